#include "tutorial_pages.h"

namespace demo {
namespace {

struct Line {
  const char *subject;
  int number;
  const char *text;
};

// Page 3 of the navigator was deleted by a user: numbers keep their gap.
constexpr Line kPages[] = {
    {"NAVEGADOR", 1,
     "O navegador é a barra de botões logo abaixo do título do cadastro. Da esquerda para a direita:\n"
     "|<  primeira embalagem da lista;\n"
     "<   embalagem anterior;\n"
     ">   próxima embalagem;\n"
     ">|  última embalagem da lista;\n"
     "+   inclui uma nova embalagem: o código é gerado automaticamente, com seis dígitos;\n"
     "-   exclui a embalagem atual, depois de confirmar, junto com os seus itens associados;\n"
     "^   altera a embalagem atual (basta também começar a digitar num campo);\n"
     "v   grava a inclusão ou a alteração;\n"
     "x   cancela a inclusão ou a alteração, voltando aos valores gravados;\n"
     "@   relê a lista do servidor, mostrando o que outras estações gravaram.\n\n"
     "Atenção: ao mudar de embalagem durante uma alteração, o sistema grava a alteração "
     "automaticamente. Se a descrição ou o código estiverem em branco, a inclusão é cancelada "
     "com um aviso. A lista é mostrada em ordem alfabética de descrição; depois de gravar, "
     "a embalagem incluída aparece na sua posição alfabética, e o cursor permanece na posição "
     "em que estava."},
    {"NAVEGADOR", 2,
     "Dica: o botão de gravar (v) só fica disponível durante uma inclusão ou alteração. Enquanto "
     "um painel lateral estiver aberto (itens associados, especificações, tabela, pesquisa), os "
     "botões principais ficam desabilitados até que o painel seja fechado."},
    {"NAVEGADOR", 4,
     "Quem não tem acesso ao módulo financeiro pode incluir e alterar embalagens normalmente, "
     "mas os campos de custo, multiplicador, custo fixo e preço de venda são pulados."},
    {"CUSTO FIXO", 1,
     "Custo fixo é o valor, em reais, que a farmácia agrega a cada unidade vendida desta embalagem "
     "para cobrir manuseio, rotulagem e perdas. Ele é informado aqui e usado pelos outros módulos "
     "do VELDORIN no cálculo do preço da fórmula; não entra no cálculo do valor unitário de venda "
     "desta tela.\nSomente usuários com acesso ao módulo financeiro podem alterá-lo."},
    {"CUSTO FIXO", 2,
     "Exemplo: um frasco âmbar de 100 ml com custo fixo de R$ 0,15 acrescenta quinze centavos a "
     "cada fórmula líquida envasada nele, qualquer que seja a quantidade de ativos."},
    {"IDENTIFICAÇÃO DO USUÁRIO", 1,
     "Informe o seu nome de usuário e a sua senha, como cadastrados no VELDORIN, e tecle ENTER ou "
     "clique em OK. Letras minúsculas são aceitas: o sistema as converte para maiúsculas.\n"
     "Se aparecer a mensagem de usuário não autorizado, o seu cadastro não dá acesso ao Cadastro "
     "de Embalagens: peça ao gerente que libere o acesso.\n"
     "Depois da identificação, o sistema procura a estação de trabalho do usuário. Sem estação "
     "cadastrada o programa é encerrado; procure o suporte técnico."},
    {"CÓDIGO", 1,
     "O código da embalagem é gerado pelo sistema na inclusão: o maior código do cadastro de "
     "componentes mais um, com seis dígitos (por exemplo 000124). Embalagens, matérias-primas e "
     "excipientes compartilham a mesma sequência."},
    {"MATÉRIAS PRIMAS ALOPÁTICAS - CAMPO DESCRIÇÃO", 1,
     "Digite a descrição da embalagem, por exemplo: FRASCO ÂMBAR 100 ML COM TAMPA ROSCA. Ao gravar, "
     "o sistema deixa só a primeira letra em maiúscula e retira os acentos: Frasco ambar 100 ml "
     "com tampa rosca. Comece pelo tipo da embalagem, depois a capacidade e as variações, para "
     "que a lista fique agrupada."},
    {"EMBALAGEM - DESCRIÇÃO ABREVIADA/FORMATADA", 1,
     "Descrição curta, com até 40 caracteres, impressa nos rótulos e nas ordens de manipulação. "
     "Exemplo: FR. ÂMBAR VIDRO 100 ML."},
    {"CUSTO UNITÁRIO R$", 1,
     "Custo de compra de uma unidade de compra, em reais, com até quatro casas decimais. O valor "
     "mínimo é R$ 0,0001. Ao sair do campo, o valor de venda é recalculado."},
    {"MULTIPLICADOR", 1,
     "Fator aplicado ao custo unitário para formar o preço de venda. Exemplo: custo R$ 0,85 e "
     "multiplicador 2,5 dão R$ 2,125 por unidade."},
    {"DIVISOR DE UNIDADE", 1,
     "Quantas unidades de venda há numa unidade de compra. Cápsulas vazias, compradas por milheiro, "
     "usam divisor 1000: o preço de venda fica por cápsula. Use 1 quando compra e venda são na mesma unidade."},
    {"VALOR UNITÁRIO DE VENDA", 1,
     "Calculado pelo sistema: custo unitário × multiplicador ÷ divisor de unidade, arredondado em "
     "quatro casas decimais. Clique com o botão direito para recalcular todos os preços."},
    {"UNIDADE", 1, "Unidade de compra da embalagem: un (unidade) ou mil (milheiro, para cápsulas)."},
    {"ESTOQUE MÍNIMO", 1,
     "Quantidade abaixo da qual a embalagem entra na lista de compras. Considere o consumo de uma "
     "semana e o prazo de entrega do fornecedor."},
    {"ESTOQUE MÁXIMO", 1, "Quantidade máxima a manter em estoque; a sugestão de compra não passa deste valor."},
    {"EMBALAGEM - VOLUME", 1,
     "Capacidade útil da embalagem, em mililitros. O volume é usado na escolha automática da "
     "embalagem para a fórmula."},
    {"EMBALAGEM - FORMA FARMACÊUTICA", 1,
     "Formas farmacêuticas que podem ser envasadas nesta embalagem. Clique com o botão direito e "
     "escolha na lista; as formas ficam separadas por vírgula, em até 60 caracteres."},
    {"PESQUISAR", 1, "Abre a pesquisa por descrição. Digite o começo da descrição, sem acentos, e tecle ENTER."},
    {"PESQUISAR DESCRIÇÃO", 1,
     "Digite parte da descrição. A lista mostra as embalagens que começam pelo texto digitado; "
     "ENTER posiciona o cadastro na embalagem escolhida."},
    {"TABELA", 1, "Mostra todas as embalagens numa tabela, com as linhas alternadas em cores para facilitar a leitura."},
    {"ITENS ASSOCIADOS - Preenchimento dos campos", 1,
     "Na coluna Componente digite a descrição do item que acompanha a embalagem (tampa, batoque, "
     "copo dosador...) e tecle ENTER. Se a descrição não for encontrada, escolha na lista das mais "
     "próximas. Na coluna Qde informe a quantidade por embalagem. Linhas sem descrição são apagadas "
     "ao clicar em OK."},
    {"CADASTRO DE MATÉRIAS PRIMAS ALOPÁTICAS", 1,
     "Este é o Cadastro de Embalagens do VELDORIN. Cada embalagem tem código, descrição, custos, "
     "preço de venda, estoques, volume, formas farmacêuticas e ficha técnica. Clique com o botão "
     "direito sobre um campo e escolha Ajuda para ver a explicação daquele campo."},
};

}  // namespace

const std::vector<TutorialPage> &tutorialPages() {
  static const std::vector<TutorialPage> pages = [] {
    std::vector<TutorialPage> all;
    for (const Line &line : kPages)
      all.push_back({QString::fromUtf8(line.subject), line.number, QString::fromUtf8(line.text)});
    return all;
  }();
  return pages;
}

}  // namespace demo
