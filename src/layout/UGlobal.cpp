#include "layout/UGlobal.h"

#include <array>

namespace validador {
namespace {

// One record type: letter, standard file name, table name, field count, and the
// three lists (names, type codes, maximum lengths). Blanks in the lists matter:
// a name that follows ", " keeps its leading blank when the list is split.
struct RecordLayout {
  char letraTipo;
  std::string_view nomeArquivo;
  std::string_view nomeTabela;
  int qtdeCampos;
  std::string_view listaCampos;
  std::string_view listaTipos;
  std::string_view listaTamanhos;
};

// B and T carry the same type codes, position by position.
constexpr std::string_view kTiposBT = "S,S,S,S,S,S,S,S,S,S,S,S,D,S,S,S,S,S,S,S,S,S,N,D,N,D,N,D,S,S,S,";

constexpr std::array<RecordLayout, kRecordTypeCount> kLayouts = {{
    {'A', "A_CADASTRO_AGENCIAS.txt", "A_cadastro_agencia", 13,
     "tipo_registro, numero_banco, numero_agencia, nome_da_agencia,"
     "endereco_agencia, cidade_agencia, estado_agencia, cep_agencia,"
     "telefone01_agencia, telefone02_agencia, telefone03_agencia,data_abertura_agencia,"
     " data_encerramento_agencia, id_carga, id_operacao",
     "S,S,S,S,S,S,S,S,S,S,S,D,D,",
     "1,3,4,50,80,40,2,8,11,11,11,8,8,"},
    {'B', "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt", "B_cad_deposit_favorecidos", 31,
     "tipo_registro, num_banco, num_agencia, num_conta,codigo_do_titular,"
     " tipo_de_conta, tipo_de_titular, nome_titular,tipo_pessoa_titular,"
     " cpf_cnpj_titular, tipo_do_documento,num_documento, data_emissao_documento,"
     " uf_documento,orgao_emissor_documento, endereco_titular, cidade_titular,"
     "estado_titular, cep_titular, telefone01_titular,telefone02_titular,"
     " telefone03_titular, renda01_titular,data_renda01_titular, renda02_titular,"
     " data_renda02_titular,renda03_titular, data_renda03_titular, atividade_titular,"
     "nome_pai_titular, nome_mae_titular, id_carga, id_operacao",
     kTiposBT,
     "1,3,4,20,10,1,1,80,1,14,25,20,8,2,40,80,40,2,8,11,11,11,18,8,"
     "18,8,18,8,40,80,80,"},
    {'C', "C_CADASTRO_CONTAS.txt", "C_cadastro_contas", 7,
     "tipo_registro, num_banco, num_agencia, num_conta, tipo_de_conta,"
     "data_abertura_conta, data_encarramento_conta, id_carga, id_operacao",
     "S,S,S,S,N,D,D,",
     "1,3,4,20,1,8,8,"},
    {'E', "E_EXTRATO_BANCARIO.txt", "E_extrato_bancario", 11,
     "tipo_registro, num_banco, num_agencia, num_conta, tipo_de_conta,"
     "codigo_chave_extrato, descricao_historico, data_lancamento,num_documento,"
     " valor_lancamento, natureza_lancamento, id_carga, id_operacao",
     "S,S,S,S,S,S,S,D,N,N,S,",
     "1,3,4,20,1,10,50,8,20,18,1,"},
    {'I', "I_IDENTIFICA_DADOS.txt", "I_identifica_dados", 16,
     "tipo_reg, num_caso, num_banco, nm_banco, dt_geracao, nm_analist,"
     "tel_contat, e_mail_cont, a_qtde_reg, b_qtde_reg,c_qtde_reg, e_qtde_reg,"
     " i_qtde_reg,o_qtde_reg, t_qtde_reg, y_qtde_reg",
     "S,S,S,S,D,S,S,S,N,N,N,N,N,N,N,N,",
     "1,50,3,200,8,80,15,40,10,10,10,10,10,10,10,10,"},
    {'O', "O_ORIGEM_DESTINO_RECURSOS.txt", "O_origem_destino_recursos", 19,
     "tipo_registro, num_banco, num_agencia, num_conta, tipo_conta,"
     "codigo_chave_extrato, cpf_cnpj_benef_depos_1, nome_benef_depos_1,"
     "cpf_cnpj_benef_depos_2, nome_benef_depos_2,cpf_cnpj_benef_depos_3,"
     " nome_benef_depos_3, banco_origem_destino,agencia_origem_destino,"
     " conta_origem_destino, num_documento,valor_documento, natureza_lancamento,"
     " observacoes, id_carga, id_operacao",
     "S,S,S,S,S,S,S,S,S,S,S,S,S,S,S,S,N,S,S,",
     "1,3,4,20,1,10,14,80,14,80,14,80,3,4,20,20,18,1,100,"},
    {'T', "T_CADASTRO_TITULARES.txt", "T_cadastro_titulares", 31,
     "tipo_registro, num_banco, num_agencia, num_conta,codigo_do_titular,"
     " tipo_de_conta, tipo_de_titular, nome_titular,tipo_pessoa_titular,"
     " cpf_cnpj_titular, descricao_documento,num_documento, data_emissao_documento,"
     " uf_documento,orgao_emissor_documento, endereco_titular, cidade_titular,"
     "estado_titular, cep_titular, telefone_titular1,telefone_titular2,"
     " telefone_titular3, renda01_titular,data_renda01_titular, renda02_titular,"
     " data_renda02_titular,renda03_titular, data_renda03_titular, atividade_titular,"
     "nome_pai_titular, nome_mae_titular, id_carga, id_operacao",
     kTiposBT,
     "1,3,4,20,10,1,1,80,1,14,50,20,8,2,40,80,40,2,8,11,11,11,18,8,"
     "18,8,18,8,40,80,80,"},
    {'Y', "Y_OBSERVACOES.txt", "Y_observacoes", 4,
     "tipo_registro, num_banco, codigo_observacao, descricao_observacao,"
     " id_carga, id_operacao",
     "S,S,S,S,",
     "1,3,10,80,"},
}};

const RecordLayout& LayoutOf(RecordTypeIndex type) { return kLayouts[static_cast<std::size_t>(type)]; }

}  // namespace

const LayoutCatalogue& LayoutCatalogue::Instance() {
  static const LayoutCatalogue catalogue;
  return catalogue;
}

int LayoutCatalogue::QtdeCampos(RecordTypeIndex type) const { return LayoutOf(type).qtdeCampos; }

std::string_view LayoutCatalogue::NomeTabela(RecordTypeIndex type) const {
  return LayoutOf(type).nomeTabela;
}

std::string_view LayoutCatalogue::ListaCampos(RecordTypeIndex type) const {
  return LayoutOf(type).listaCampos;
}

std::string_view LayoutCatalogue::ListaTipos(RecordTypeIndex type) const {
  return LayoutOf(type).listaTipos;
}

std::string_view LayoutCatalogue::ListaTamanhos(RecordTypeIndex type) const {
  return LayoutOf(type).listaTamanhos;
}

char LayoutCatalogue::LetraTipo(RecordTypeIndex type) const { return LayoutOf(type).letraTipo; }

std::string_view LayoutCatalogue::NomeArquivo(RecordTypeIndex type) const {
  return LayoutOf(type).nomeArquivo;
}

std::vector<std::string> SplitLayoutList(std::string_view list, int count) {
  std::vector<std::string> items;
  items.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
  std::string_view rest = list;
  for (int k = 0; k < count; ++k) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
      items.emplace_back(rest);
      rest = {};
    } else {
      items.emplace_back(rest.substr(0, comma));
      rest.remove_prefix(comma + 1);
    }
  }
  return items;
}

}  // namespace validador
