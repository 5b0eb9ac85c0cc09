#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "layout/UGlobal.h"
#include "support/TestNames.h"

namespace validador {
namespace {

// One record type as the delivery layouts describe it, position by position.
struct LayoutCase {
  RecordTypeIndex type;
  char letra;
  const char* nomeArquivo;
  const char* nomeTabela;
  int qtdeCampos;
  std::vector<std::string> nomes;
  const char* tipos;  // one code per field
  std::vector<int> tamanhos;
};

const std::vector<LayoutCase>& LayoutCases() {
  static const std::vector<LayoutCase> cases = {
    {rtA, 'A', "A_CADASTRO_AGENCIAS.txt", "A_cadastro_agencia", 13,
     {"tipo_registro", " numero_banco", " numero_agencia", " nome_da_agencia",
      "endereco_agencia", " cidade_agencia", " estado_agencia", " cep_agencia",
      "telefone01_agencia", " telefone02_agencia", " telefone03_agencia",
      "data_abertura_agencia", " data_encerramento_agencia"},
     "SSSSSSSSSSSDD",
     {1, 3, 4, 50, 80, 40, 2, 8, 11, 11, 11, 8, 8}},
    {rtB, 'B', "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt", "B_cad_deposit_favorecidos", 31,
     {"tipo_registro", " num_banco", " num_agencia", " num_conta", "codigo_do_titular",
      " tipo_de_conta", " tipo_de_titular", " nome_titular", "tipo_pessoa_titular",
      " cpf_cnpj_titular", " tipo_do_documento", "num_documento", " data_emissao_documento",
      " uf_documento", "orgao_emissor_documento", " endereco_titular", " cidade_titular",
      "estado_titular", " cep_titular", " telefone01_titular", "telefone02_titular",
      " telefone03_titular", " renda01_titular", "data_renda01_titular", " renda02_titular",
      " data_renda02_titular", "renda03_titular", " data_renda03_titular",
      " atividade_titular", "nome_pai_titular", " nome_mae_titular"},
     "SSSSSSSSSSSSDSSSSSSSSSNDNDNDSSS",
     {1, 3, 4, 20, 10, 1, 1, 80, 1, 14, 25, 20, 8, 2, 40, 80, 40, 2, 8, 11, 11, 11, 18, 8, 18,
      8, 18, 8, 40, 80, 80}},
    {rtC, 'C', "C_CADASTRO_CONTAS.txt", "C_cadastro_contas", 7,
     {"tipo_registro", " num_banco", " num_agencia", " num_conta", " tipo_de_conta",
      "data_abertura_conta", " data_encarramento_conta"},
     "SSSSNDD",
     {1, 3, 4, 20, 1, 8, 8}},
    {rtE, 'E', "E_EXTRATO_BANCARIO.txt", "E_extrato_bancario", 11,
     {"tipo_registro", " num_banco", " num_agencia", " num_conta", " tipo_de_conta",
      "codigo_chave_extrato", " descricao_historico", " data_lancamento", "num_documento",
      " valor_lancamento", " natureza_lancamento"},
     "SSSSSSSDNNS",
     {1, 3, 4, 20, 1, 10, 50, 8, 20, 18, 1}},
    {rtI, 'I', "I_IDENTIFICA_DADOS.txt", "I_identifica_dados", 16,
     {"tipo_reg", " num_caso", " num_banco", " nm_banco", " dt_geracao", " nm_analist",
      "tel_contat", " e_mail_cont", " a_qtde_reg", " b_qtde_reg", "c_qtde_reg", " e_qtde_reg",
      " i_qtde_reg", "o_qtde_reg", " t_qtde_reg", " y_qtde_reg"},
     "SSSSDSSSNNNNNNNN",
     {1, 50, 3, 200, 8, 80, 15, 40, 10, 10, 10, 10, 10, 10, 10, 10}},
    {rtO, 'O', "O_ORIGEM_DESTINO_RECURSOS.txt", "O_origem_destino_recursos", 19,
     {"tipo_registro", " num_banco", " num_agencia", " num_conta", " tipo_conta",
      "codigo_chave_extrato", " cpf_cnpj_benef_depos_1", " nome_benef_depos_1",
      "cpf_cnpj_benef_depos_2", " nome_benef_depos_2", "cpf_cnpj_benef_depos_3",
      " nome_benef_depos_3", " banco_origem_destino", "agencia_origem_destino",
      " conta_origem_destino", " num_documento", "valor_documento", " natureza_lancamento",
      " observacoes"},
     "SSSSSSSSSSSSSSSSNSS",
     {1, 3, 4, 20, 1, 10, 14, 80, 14, 80, 14, 80, 3, 4, 20, 20, 18, 1, 100}},
    {rtT, 'T', "T_CADASTRO_TITULARES.txt", "T_cadastro_titulares", 31,
     {"tipo_registro", " num_banco", " num_agencia", " num_conta", "codigo_do_titular",
      " tipo_de_conta", " tipo_de_titular", " nome_titular", "tipo_pessoa_titular",
      " cpf_cnpj_titular", " descricao_documento", "num_documento", " data_emissao_documento",
      " uf_documento", "orgao_emissor_documento", " endereco_titular", " cidade_titular",
      "estado_titular", " cep_titular", " telefone_titular1", "telefone_titular2",
      " telefone_titular3", " renda01_titular", "data_renda01_titular", " renda02_titular",
      " data_renda02_titular", "renda03_titular", " data_renda03_titular",
      " atividade_titular", "nome_pai_titular", " nome_mae_titular"},
     "SSSSSSSSSSSSDSSSSSSSSSNDNDNDSSS",
     {1, 3, 4, 20, 10, 1, 1, 80, 1, 14, 50, 20, 8, 2, 40, 80, 40, 2, 8, 11, 11, 11, 18, 8, 18,
      8, 18, 8, 40, 80, 80}},
    {rtY, 'Y', "Y_OBSERVACOES.txt", "Y_observacoes", 4,
     {"tipo_registro", " num_banco", " codigo_observacao", " descricao_observacao"},
     "SSSS",
     {1, 3, 10, 80}}};
  return cases;
}

class LayoutCatalogueByType : public ::testing::TestWithParam<LayoutCase> {
 protected:
  const LayoutCatalogue& catalogue = LayoutCatalogue::Instance();
};

TEST_P(LayoutCatalogueByType, LetterFileTableAndFieldCount) {
  const LayoutCase& c = GetParam();
  EXPECT_EQ(catalogue.LetraTipo(c.type), c.letra);
  EXPECT_EQ(catalogue.NomeArquivo(c.type), c.nomeArquivo);
  EXPECT_EQ(catalogue.NomeTabela(c.type), c.nomeTabela);
  EXPECT_EQ(catalogue.QtdeCampos(c.type), c.qtdeCampos);
}

TEST_P(LayoutCatalogueByType, SplitListsGiveEveryFieldNameCodeAndLength) {
  const LayoutCase& c = GetParam();
  EXPECT_EQ(SplitLayoutList(catalogue.ListaCampos(c.type), c.qtdeCampos), c.nomes);

  std::vector<std::string> expectedCodes;
  for (const char* code = c.tipos; *code != '\0'; ++code) expectedCodes.emplace_back(1, *code);
  EXPECT_EQ(SplitLayoutList(catalogue.ListaTipos(c.type), c.qtdeCampos), expectedCodes);

  std::vector<std::string> expectedSizes;
  for (const int size : c.tamanhos) expectedSizes.push_back(std::to_string(size));
  EXPECT_EQ(SplitLayoutList(catalogue.ListaTamanhos(c.type), c.qtdeCampos), expectedSizes);
}

TEST_P(LayoutCatalogueByType, TypeAndSizeListsEndWithACommaAfterTheLastField) {
  const LayoutCase& c = GetParam();
  for (const std::string_view list : {catalogue.ListaTipos(c.type), catalogue.ListaTamanhos(c.type)}) {
    EXPECT_EQ(std::count(list.begin(), list.end(), ','), c.qtdeCampos) << list;
    EXPECT_EQ(list.back(), ',') << list;
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, LayoutCatalogueByType, ::testing::ValuesIn(LayoutCases()),
                         [](const auto& info) { return std::string(1, info.param.letra); });

TEST(LayoutCatalogue, SevenColumnListsCarryTwoNamesThatAreNotTaken) {
  const LayoutCatalogue& catalogue = LayoutCatalogue::Instance();
  for (const RecordTypeIndex type : {rtA, rtB, rtC, rtE, rtO, rtT, rtY}) {
    const int count = catalogue.QtdeCampos(type);
    const auto withTail = SplitLayoutList(catalogue.ListaCampos(type), count + 2);
    EXPECT_EQ(withTail[count], " id_carga") << type;
    EXPECT_EQ(withTail[count + 1], " id_operacao") << type;
    const auto taken = SplitLayoutList(catalogue.ListaCampos(type), count);
    EXPECT_EQ(taken.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(taken.back(), withTail[count - 1]);
  }
}

TEST(LayoutCatalogue, IdentificationListEndsWithoutCommaOnItsSixteenthName) {
  const std::string_view list = LayoutCatalogue::Instance().ListaCampos(rtI);
  EXPECT_EQ(std::count(list.begin(), list.end(), ','), 15);
  EXPECT_EQ(SplitLayoutList(list, 16).back(), " y_qtde_reg");
}

TEST(LayoutCatalogue, BAndTShareOneTypeListText) {
  const LayoutCatalogue& catalogue = LayoutCatalogue::Instance();
  EXPECT_EQ(catalogue.ListaTipos(rtB), catalogue.ListaTipos(rtT));
  EXPECT_EQ(catalogue.ListaTipos(rtB).data(), catalogue.ListaTipos(rtT).data());
}

struct SplitCase {
  const char* list;
  int count;
  std::vector<std::string> items;
};

class SplitLayoutListCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLayoutListCases, TakesItemsAsWritten) {
  EXPECT_EQ(SplitLayoutList(GetParam().list, GetParam().count), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SplitLayoutListCases,
    ::testing::Values(SplitCase{"a, b,c", 3, {"a", " b", "c"}},            // blanks kept, last takes the rest
                      SplitCase{"a, b,c", 2, {"a", " b"}},                 // items past count not taken
                      SplitCase{"S,N,", 2, {"S", "N"}},                    // trailing comma leaves nothing used
                      SplitCase{"S,N,", 3, {"S", "N", ""}},                // ... and an empty item after it
                      SplitCase{" x ,  y", 2, {" x ", "  y"}},             // no blank removed anywhere
                      SplitCase{",,", 3, {"", "", ""}},                    // empty items
                      SplitCase{"a", 3, {"a", "", ""}},                    // nothing left after the last
                      SplitCase{"a,b", 0, {}}),
    [](const auto& info) { return testsupport::CaseName(info.index, info.param.list); });

}  // namespace
}  // namespace validador
