#include "packaging_kinds.h"

namespace demo {
namespace {

PackagingSize millilitres(const char *label, int hundredths) { return {QString::fromUtf8(label), fb::Decimal{hundredths, 2}}; }
PackagingSize noVolume(const char *label) { return {QString::fromUtf8(label), std::nullopt}; }
QString text(const char *utf8) { return QString::fromUtf8(utf8); }

const QualityTest kAspecto{text("Aspecto"), text("Isento de trincas, bolhas, rebarbas e partículas estranhas")};
const QualityTest kDimensoes{text("Dimensões"), text("Conforme desenho técnico do fornecedor, tolerância ± 0,5 mm")};
const QualityTest kEstanqueidade{text("Estanqueidade"), text("Sem vazamento após 24 h invertido com água a 25 °C")};
const QualityTest kCor{text("Cor"), text("Conforme padrão aprovado, sem manchas ou variação de tonalidade")};
const QualityTest kQueda{text("Resistência à queda"), text("Sem quebra ou deformação em queda livre de 1,2 m sobre piso cerâmico")};
const QualityTest kCompatibilidade{text("Compatibilidade"), text("Sem migração de odor ou cor ao produto após 30 dias a 40 °C")};
const QualityTest kRosca{text("Torque de fechamento"), text("Fechamento completo com torque entre 10 e 18 lbf.pol, sem espanar a rosca")};
const QualityTest kPesoMedio{text("Peso médio"), text("Variação máxima de ± 10% em relação ao peso médio de 20 unidades")};
const QualityTest kDesintegracao{text("Desintegração"), text("Desintegra em até 15 minutos em água a 37 °C")};
const QualityTest kUmidade{text("Umidade"), text("Entre 13% e 16% (perda por dessecação)")};
const QualityTest kMicrobiologico{text("Contagem microbiana"), text("Até 1.000 UFC/g de bactérias aeróbias; ausência de E. coli e Salmonella")};
const QualityTest kGotejamento{text("Gotejamento"), text("20 gotas de água purificada correspondem a 1 ml ± 10%")};
const QualityTest kValvula{text("Acionamento da válvula"), text("Dose por acionamento entre 0,12 e 0,16 ml; sem falhas em 10 acionamentos")};
const QualityTest kSelagem{text("Selagem"), text("Solda contínua, sem rugas ou canais, resistente à tração manual")};
const QualityTest kImpressao{text("Impressão"), text("Legível, sem borrões; não sai com fita adesiva nem com álcool 70%")};

std::vector<PackagingKind> makeKinds() {
  const QList<PackagingSize> bottleSizes = {
      millilitres("10 ml", 1000),   millilitres("20 ml", 2000),   millilitres("30 ml", 3000),
      millilitres("50 ml", 5000),   millilitres("60 ml", 6000),   millilitres("100 ml", 10000),
      millilitres("120 ml", 12000), millilitres("150 ml", 15000), millilitres("200 ml", 20000),
      millilitres("250 ml", 25000)};
  const QList<PackagingSize> mouths = {noVolume("18 mm"), noVolume("20 mm"), noVolume("24 mm"), noVolume("28 mm")};

  return {
      {text("Frasco ambar"), text("FR. ÂMBAR VIDRO"), bottleSizes,
       {QString(), text("com tampa rosca"), text("com tampa e lacre"), text("com batoque")},
       {text("Solução oral"), text("Xarope"), text("Suspensão"), text("Gotas")},
       text("Frasco de vidro âmbar tipo III, capacidade %1, boca rosca 28/410. Protege o conteúdo da luz; "
            "indicado para soluções orais e xaropes. Lavar e secar antes do envase."),
       8500, 1800, text("un"), 1, {kAspecto, kDimensoes, kEstanqueidade, kQueda},
       text("Vidro ambar"), {text("Tampa rosca"), text("Batoque"), text("Copo dosador")}},
      {text("Frasco pet ambar"), text("FR. PET ÂMBAR"),
       {millilitres("60 ml", 6000), millilitres("100 ml", 10000), millilitres("120 ml", 12000),
        millilitres("150 ml", 15000), millilitres("200 ml", 20000), millilitres("250 ml", 25000),
        millilitres("500 ml", 50000)},
       {QString(), text("com tampa rosca"), text("com tampa flip-top")},
       {text("Xarope"), text("Suspensão"), text("Shampoo"), text("Loção")},
       text("Frasco de PET âmbar, capacidade %1, boca 28 mm. Leve e resistente à queda; "
            "não usar com solventes orgânicos acima de 20%."),
       5200, 900, text("un"), 1, {kAspecto, kDimensoes, kEstanqueidade, kCompatibilidade},
       text("Vidro plastico ambar"), {text("Tampa rosca"), text("Copo dosador")}},
      {text("Frasco conta-gotas ambar"), text("FR. CONTA-GOTAS"),
       {millilitres("10 ml", 1000), millilitres("15 ml", 1500), millilitres("20 ml", 2000),
        millilitres("30 ml", 3000), millilitres("50 ml", 5000)},
       {QString(), text("com bulbo de borracha"), text("com tampa gotejadora")},
       {text("Gotas"), text("Tintura"), text("Floral"), text("Homeopatia")},
       text("Frasco de vidro âmbar de %1 com conta-gotas. Para florais, tinturas e medicamentos em gotas; "
            "conferir a calibração das gotas a cada lote."),
       11000, 1500, text("un"), 1, {kAspecto, kGotejamento, kEstanqueidade},
       text("Vidro gotas"), {}},
      {text("Pote plastico branco"), text("POTE BRANCO"),
       {millilitres("10 g", 1000), millilitres("15 g", 1500), millilitres("20 g", 2000), millilitres("30 g", 3000),
        millilitres("50 g", 5000), millilitres("60 g", 6000), millilitres("100 g", 10000),
        millilitres("200 g", 20000), millilitres("250 g", 25000), millilitres("500 g", 50000)},
       {QString(), text("com tampa rosca"), text("com tampa e batoque"), text("leitoso")},
       {text("Creme"), text("Gel"), text("Pomada"), text("Gel-creme")},
       text("Pote de polipropileno branco para %1, tampa rosca com vedação. Para cremes, géis e pomadas; "
            "manter fechado ao abrigo do pó."),
       3900, 700, text("un"), 1, {kAspecto, kDimensoes, kRosca, kCompatibilidade},
       text("Pote de creme"), {text("Rotulo adesivo"), text("Espatula plastica")}},
      {text("Pote para capsulas"), text("POTE CÁPSULAS"),
       {millilitres("60 ml", 6000), millilitres("120 ml", 12000), millilitres("160 ml", 16000),
        millilitres("250 ml", 25000), millilitres("400 ml", 40000)},
       {QString(), text("branco com lacre"), text("ambar com lacre"), text("com dessecante")},
       {text("Cápsula"), text("Comprimido"), text("Sachê")},
       text("Pote de polietileno de alta densidade, %1, com tampa de segurança e lacre. "
            "Acompanha sachê dessecante nas versões indicadas."),
       4700, 800, text("un"), 1, {kAspecto, kDimensoes, kRosca},
       text("Pote de capsula"), {text("Rotulo adesivo")}},
      {text("Capsula gelatinosa dura"), text("CÁPS. GELATINOSA"),
       {millilitres("n. 000", 137), millilitres("n. 00", 95), millilitres("n. 0", 68), millilitres("n. 1", 50),
        millilitres("n. 2", 37), millilitres("n. 3", 30), millilitres("n. 4", 21)},
       {text("incolor"), text("branca"), text("azul"), text("verde"), text("amarela"), text("vermelha"),
        text("rosa"), text("laranja")},
       {text("Cápsula")},
       text("Cápsulas gelatinosas duras vazias, tamanho %1, caixa com 1.000 unidades. Armazenar entre 15 °C e "
            "25 °C, umidade relativa de 35% a 65%."),
       380000, -20000, text("mil"), 1000, {kAspecto, kPesoMedio, kDesintegracao, kUmidade, kMicrobiologico},
       text("Capsula vazia"), {}, true},
      {text("Capsula vegetal hpmc"), text("CÁPS. VEGETAL"),
       {millilitres("n. 00", 95), millilitres("n. 0", 68), millilitres("n. 1", 50), millilitres("n. 2", 37)},
       {text("incolor"), text("branca")},
       {text("Cápsula")},
       text("Cápsulas vegetais de hipromelose (HPMC), tamanho %1, caixa com 1.000 unidades. "
            "Indicadas para veganos e para ativos higroscópicos."),
       720000, -40000, text("mil"), 1000, {kAspecto, kPesoMedio, kDesintegracao, kMicrobiologico},
       QString(), {}, true},
      {text("Bisnaga de aluminio"), text("BISNAGA ALUMÍNIO"),
       {millilitres("15 g", 1500), millilitres("30 g", 3000), millilitres("50 g", 5000), millilitres("100 g", 10000)},
       {QString(), text("com verniz interno"), text("com tampa perfurante")},
       {text("Creme"), text("Pomada"), text("Gel")},
       text("Bisnaga de alumínio de %1 com verniz epóxi interno e tampa perfurante. "
            "Fechar com alicate de dobra após o envase."),
       9500, 2500, text("un"), 1, {kAspecto, kDimensoes, kEstanqueidade, kCompatibilidade},
       text("Tubo de aluminio"), {text("Cartucho de papel cartao")}},
      {text("Bisnaga plastica"), text("BISNAGA PLÁSTICA"),
       {millilitres("30 g", 3000), millilitres("50 g", 5000), millilitres("100 g", 10000), millilitres("200 g", 20000)},
       {QString(), text("branca"), text("com tampa flip-top"), text("com ponteira aplicadora")},
       {text("Creme"), text("Gel"), text("Loção"), text("Gel-creme")},
       text("Bisnaga de polietileno coextrudado, %1, selagem a quente. Para cremes e géis "
            "de uso tópico."),
       7800, 1900, text("un"), 1, {kAspecto, kSelagem, kEstanqueidade},
       text("Tubo plastico"), {text("Cartucho de papel cartao")}},
      {text("Frasco spray"), text("FR. SPRAY"),
       {millilitres("30 ml", 3000), millilitres("60 ml", 6000), millilitres("100 ml", 10000), millilitres("120 ml", 12000)},
       {QString(), text("pet transparente"), text("ambar com valvula"), text("nasal")},
       {text("Spray"), text("Loção"), text("Solução tópica")},
       text("Frasco de %1 com válvula spray de 0,14 ml por acionamento. Conferir o acionamento "
            "antes da dispensação."),
       16500, 2200, text("un"), 1, {kAspecto, kValvula, kEstanqueidade},
       text("Borrifador"), {}},
      {text("Frasco airless"), text("FR. AIRLESS"),
       {millilitres("15 ml", 1500), millilitres("30 ml", 3000), millilitres("50 ml", 5000)},
       {QString(), text("branco"), text("prata")},
       {text("Creme"), text("Gel"), text("Sérum"), text("Loção")},
       text("Frasco airless de %1 com êmbolo interno; evita o contato do produto com o ar. "
            "Escorvar a bomba antes de entregar ao paciente."),
       34000, 6000, text("un"), 1, {kAspecto, kValvula, kCompatibilidade},
       text("Pump airless"), {}},
      {text("Envelope sache aluminizado"), text("SACHÊ ALUMINIZADO"),
       {millilitres("3 g", 300), millilitres("5 g", 500), millilitres("10 g", 1000)},
       {QString(), text("kraft")},
       {text("Sachê"), text("Pó")},
       text("Envelope laminado de alumínio e polietileno para %1 de pó, selagem a quente "
            "em três lados. Barreira contra umidade e luz."),
       1200, 300, text("un"), 1, {kAspecto, kSelagem},
       text("Sache"), {}},
      {text("Forma para supositorio"), text("FORMA SUPOSITÓRIO"),
       {millilitres("1 g", 100), millilitres("2 g", 200), millilitres("3 g", 300)},
       {QString(), text("para ovulo")},
       {text("Supositório"), text("Óvulo")},
       text("Forma alveolar de PVC para supositórios ou óvulos de %1, cartela com 10 alvéolos, "
            "fechamento por selagem."),
       2800, 500, text("un"), 1, {kAspecto, kDimensoes, kSelagem},
       QString(), {}},
      {text("Tampa rosca"), text("TAMPA ROSCA"), mouths,
       {text("branca"), text("preta"), text("com lacre")},
       {},
       text("Tampa de polipropileno para boca de %1, com vedante de polietileno expandido."),
       900, 150, text("un"), 1, {kDimensoes, kRosca, kCor},
       QString(), {}},
      {text("Batoque"), text("BATOQUE"), mouths,
       {QString(), text("gotejador")},
       {},
       text("Batoque de polietileno de baixa densidade para boca de %1."),
       400, 50, text("un"), 1, {kDimensoes, kEstanqueidade},
       QString(), {}},
      {text("Copo dosador"), text("COPO DOSADOR"),
       {millilitres("10 ml", 1000), millilitres("20 ml", 2000), millilitres("30 ml", 3000)},
       {QString(), text("graduado")},
       {text("Xarope"), text("Suspensão")},
       text("Copo dosador de polipropileno transparente de %1 com graduação em relevo."),
       1300, 200, text("un"), 1, {kDimensoes, kImpressao},
       QString(), {}},
      {text("Rotulo adesivo"), text("RÓTULO ADESIVO"),
       {noVolume("30 x 20 mm"), noVolume("50 x 30 mm"), noVolume("70 x 40 mm")},
       {text("branco"), text("couche")},
       {},
       text("Rótulo adesivo de %1 para impressora térmica, rolo com 1.000 etiquetas."),
       250, 60, text("un"), 1, {kImpressao},
       QString(), {}},
      {text("Espatula plastica"), text("ESPÁTULA"),
       {noVolume("pequena"), noVolume("grande")},
       {QString()},
       {},
       text("Espátula descartável de poliestireno, tamanho %1, para retirada higiênica de cremes."),
       300, 100, text("un"), 1, {kDimensoes},
       QString(), {}},
      {text("Cartucho de papel cartao"), text("CARTUCHO"),
       {noVolume("pequeno"), noVolume("medio"), noVolume("grande")},
       {QString(), text("com impressao")},
       {},
       text("Cartucho de papel cartão triplex 250 g/m², tamanho %1, para bisnagas e frascos."),
       1900, 600, text("un"), 1, {kDimensoes, kImpressao},
       QString(), {}},
  };
}

}  // namespace

const std::vector<PackagingKind> &packagingKinds() {
  static const std::vector<PackagingKind> kinds = makeKinds();
  return kinds;
}

}  // namespace demo
