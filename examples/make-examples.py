#!/usr/bin/env python3
"""Writes the two example deliveries: entrega-valida (every file passes) and
entrega-com-erros (the same delivery with a few typical faults).

The data are invented. Files are Windows-1252 text with CR LF line ends.
Run from anywhere: python3 examples/make-examples.py
"""
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
BANK = "987"
CASE = "2024.0042-7"

NAMES = {
    "A": "A_CADASTRO_AGENCIAS.txt",
    "B": "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt",
    "C": "C_CADASTRO_CONTAS.txt",
    "E": "E_EXTRATO_BANCARIO.txt",
    "I": "I_IDENTIFICA_DADOS.txt",
    "O": "O_ORIGEM_DESTINO_RECURSOS.txt",
    "T": "T_CADASTRO_TITULARES.txt",
    "Y": "Y_OBSERVACOES.txt",
}

BRANCHES = [
    ("0101", "Agência Centro", "Avenida Afonso Pena, 1500", "Belo Horizonte", "MG", "30130005",
     "3132145500", "3132145501", "", "15031998", ""),
    ("0215", "Agência Savassi", "Rua Pernambuco, 880", "Belo Horizonte", "MG", "30130151",
     "3132617700", "", "", "02052005", ""),
    ("0342", "Agência Praça da Liberdade", "Praça da Liberdade, 21", "Belo Horizonte", "MG",
     "30140010", "3132248800", "", "", "10101990", "30122019"),
]

ACCOUNTS = [  # branch, account, type, opened, closed
    ("0101", "000012345", "1", "04012010", ""),
    ("0101", "000067890", "2", "15062015", ""),
    ("0215", "000101010", "1", "20082018", ""),
    ("0342", "000555123", "3", "01031999", "30122019"),
]

HOLDERS = [  # branch, account, code, name, person, cpf, document, father, mother, job
    ("0101", "000012345", "T001", "José Antônio Gonçalves", "F", "12345678909", "MG1234567",
     "Sebastião Gonçalves", "Conceição Aparecida Gonçalves", "Comerciante"),
    ("0101", "000067890", "T002", "Mariana Ribeiro Araújo", "F", "98765432100", "MG7654321",
     "João Batista Araújo", "Lúcia Helena Ribeiro", "Engenheira civil"),
    ("0215", "000101010", "T003", "Distribuidora Pão de Açúcar Mineira Ltda.", "J",
     "12345678000195", "JUCEMG3120000", "", "", "Comércio atacadista"),
]

STATEMENT = [  # account index, key, history, date, document, amount, nature
    (0, "1000000001", "Depósito em dinheiro", "05012024", "100001", "1500,00", "C"),
    (0, "1000000002", "Saque em caixa eletrônico", "08012024", "100002", "300,00", "D"),
    (0, "1000000003", "Transferência recebida", "10012024", "100003", "2750,45", "C"),
    (0, "1000000004", "Pagamento de boleto", "12012024", "100004", "189,90", "D"),
    (0, "1000000005", "Tarifa de manutenção", "15012024", "100005", "32,50", "D"),
    (1, "2000000001", "Crédito de salário", "05012024", "200001", "8450,00", "C"),
    (1, "2000000002", "Transferência enviada", "06012024", "200002", "1200,00", "D"),
    (1, "2000000003", "Pagamento de cartão", "10012024", "200003", "2315,87", "D"),
    (1, "2000000004", "Aplicação em poupança", "11012024", "200004", "1000,00", "D"),
    (1, "2000000005", "Débito automático água", "20012024", "200005", "96,33", "D"),
    (2, "3000000001", "Depósito em cheque", "03012024", "300001", "15320,00", "C"),
    (2, "3000000002", "Pagamento a fornecedor", "04012024", "300002", "9870,10", "D"),
    (2, "3000000003", "Transferência recebida", "09012024", "300003", "22400,00", "C"),
    (2, "3000000004", "Pagamento de impostos", "19012024", "300004", "4133,72", "D"),
    (2, "3000000005", "Folha de pagamento", "31012024", "300005", "18760,00", "D"),
    (3, "4000000001", "Saldo transferido no encerramento", "30122019", "400001", "12,34", "D"),
]

ORIGINS = [  # statement index, counterpart cpf, name, bank, branch, account, document
    (0, "11122233344", "Márcia de Fátima Souza", "", "", "", "100001"),
    (2, "55566677788", "Cláudio Henrique Peçanha", "654", "0001", "4455667", "100003"),
    (6, "99988877766", "Rogério Magalhães", "321", "1234", "7788990", "200002"),
    (10, "12345678000195", "Distribuidora Pão de Açúcar Mineira Ltda.", "987", "0215",
     "000101010", "300001"),
    (11, "44455566000177", "Laticínios Serra Azul S.A.", "654", "0450", "1239876", "300002"),
    (12, "33344455000188", "Supermercados Ipê Amarelo Ltda.", "321", "0077", "5554443", "300003"),
]

REMARKS = [
    ("OBS001", "Conta 000555123 encerrada a pedido do titular em 30/12/2019."),
    ("OBS002", "Valores em reais, com vírgula decimal."),
    ("OBS003", "Extratos do período de 01/01/2024 a 31/01/2024."),
]


def holder_line(letter, h):
    branch, account, code, name, person, cpf, doc, father, mother, job = h
    doc_kind = "RG" if letter == "B" else "Carteira de identidade"
    if person == "J":
        doc_kind = "Contrato social" if letter == "T" else "CNPJ"
    return [letter, BANK, branch, account, code, "1", "1", name, person, cpf, doc_kind, doc,
            "15031985", "MG", "SSP", "Rua dos Inconfidentes, 302", "Belo Horizonte", "MG",
            "30140120", "3134567890", "", "", "5200,00", "01012024", "1350,00", "01012024",
            "0,00", "01012024", job, father, mother]


def records():
    files = {k: [] for k in NAMES}
    for b in BRANCHES:
        files["A"].append(["A", BANK, *b])
    for branch, account, kind, opened, closed in ACCOUNTS:
        files["C"].append(["C", BANK, branch, account, kind, opened, closed])
    for h in HOLDERS:
        files["T"].append(holder_line("T", h))
        files["B"].append(holder_line("B", h))
    files["B"].append(holder_line("B", ("0101", "000012345", "D001", "Márcia de Fátima Souza",
                                        "F", "11122233344", "MG5556667", "", "", "Professora")))
    for acc, key, history, date, doc, amount, nature in STATEMENT:
        branch, account, kind = ACCOUNTS[acc][0], ACCOUNTS[acc][1], ACCOUNTS[acc][2]
        files["E"].append(["E", BANK, branch, account, kind, key, history, date, doc, amount,
                           nature])
    for st, cpf, name, bank, branch, account, doc in ORIGINS:
        e = files["E"][st]
        files["O"].append(["O", BANK, e[2], e[3], e[4], e[5], cpf, name, "", "", "", "", bank,
                           branch, account, doc, e[9], e[10], ""])
    for code, text in REMARKS:
        files["Y"].append(["Y", BANK, code, text])
    return files


def header(counts):
    return ["I", CASE, BANK, "Banco Fictício do Cerrado S.A.", "01022024",
            "Fernanda Araújo Lins", "6133221100", "fernanda.lins@cerrado.example",
            *[str(counts[k]) for k in "ABCEIOTY"]]


def write(folder, files, counts):
    folder.mkdir(parents=True, exist_ok=True)
    files = dict(files)
    files["I"] = [header(counts)]
    for letter, lines in files.items():
        if lines is None:
            continue
        text = "".join("\t".join(fields) + "\r\n" for fields in lines)
        (folder / NAMES[letter]).write_bytes(text.encode("cp1252"))


def main():
    files = records()
    counts = {k: len(v) for k, v in files.items()}
    counts["I"] = 1
    valid = HERE / "entrega-valida"
    faulty = HERE / "entrega-com-erros"
    for folder in (valid, faulty):
        shutil.rmtree(folder, ignore_errors=True)
    write(valid, files, counts)

    bad = {k: [list(f) for f in v] for k, v in files.items()}
    bad["A"][1].append("")                    # one field too many on line 2
    bad["B"][2][6] = "X"                      # holder type on line 3
    bad_counts = dict(counts)
    bad_counts["C"] = counts["C"] + 1         # declared count differs
    bad["E"][6][7] = "31042024"               # 31 April on line 7
    bad["O"][3][1] = "123"                    # another bank on line 4
    bad["T"][1][9] = "987.654.321-00"         # fine: a text field; the record passes
    bad["T"][2][22] = "12.345,67"             # full stop in an income on line 3
    bad["Y"] = None                           # the remarks file is missing
    write(faulty, bad, bad_counts)


if __name__ == "__main__":
    main()
