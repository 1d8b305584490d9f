#include "other_components.h"

namespace demo {
namespace {

struct Line {
  const char *description;
  const char *group;
  const char *family;
  const char *unit;
  int cost;
  const char *lista;
  const char *synonym;
};

constexpr Line kLines[] = {
    {"Acido ascorbico", "MP", "Vitaminas", "g", 1850, "", "Vitamina C"},
    {"Vitamina C revestida 97%", "MP", "Vitaminas", "g", 2600, "", ""},
    {"Vitamina D3 100.000 ui/g", "MP", "Vitaminas", "g", 21000, "", "Colecalciferol"},
    {"Vitamina E oleosa", "MP", "Vitaminas", "ml", 5400, "", "Tocoferol"},
    {"Vitamina B12 0,1%", "MP", "Vitaminas", "g", 9800, "", "Cianocobalamina"},
    {"Vitamina A palmitato", "MP", "Vitaminas", "g", 7600, "", ""},
    {"Acido folico", "MP", "Vitaminas", "g", 14500, "", ""},
    {"Biotina", "MP", "Vitaminas", "g", 98000, "", "Vitamina B7"},
    {"Minoxidil", "MP", "Dermatológicos", "g", 31000, "", ""},
    {"Finasterida", "MP", "Dermatológicos", "g", 265000, "", ""},
    {"Acido hialuronico", "MP", "Dermatológicos", "g", 480000, "", ""},
    {"Acido glicolico 70%", "MP", "Dermatológicos", "ml", 3900, "", ""},
    {"Acido retinoico", "MP", "Dermatológicos", "g", 860000, "C2", "Tretinoina"},
    {"Hidroquinona", "MP", "Dermatológicos", "g", 6200, "", ""},
    {"Nicotinamida", "MP", "Dermatológicos", "g", 2900, "", "Vitamina B3"},
    {"Ureia", "MP", "Dermatológicos", "g", 180, "", ""},
    {"Cetoconazol", "MP", "Antimicóticos", "g", 19500, "", ""},
    {"Fluconazol", "MP", "Antimicóticos", "g", 24000, "", ""},
    {"Terbinafina cloridrato", "MP", "Antimicóticos", "g", 52000, "", ""},
    {"Metformina cloridrato", "MP", "Antidiabéticos", "g", 650, "", ""},
    {"Losartana potassica", "MP", "Anti-hipertensivos", "g", 3100, "", ""},
    {"Hidroclorotiazida", "MP", "Anti-hipertensivos", "g", 2700, "", ""},
    {"Omeprazol pellets 8,5%", "MP", "Gastrointestinais", "g", 2400, "", ""},
    {"Fluoxetina cloridrato", "MP", "Psicotrópicos", "g", 16000, "C1", ""},
    {"Sertralina cloridrato", "MP", "Psicotrópicos", "g", 27000, "C1", ""},
    {"Melatonina", "MP", "Suplementos", "g", 88000, "", ""},
    {"Coenzima q10", "MP", "Suplementos", "g", 42000, "", "Ubiquinona"},
    {"Creatina monohidratada", "MP", "Suplementos", "g", 210, "", ""},
    {"Citrato de magnesio", "MP", "Minerais", "g", 320, "", ""},
    {"Carbonato de calcio", "MP", "Minerais", "g", 90, "", ""},
    {"Picolinato de cromo", "MP", "Minerais", "g", 15500, "", ""},
    {"Sulfato ferroso", "MP", "Minerais", "g", 260, "", ""},
    {"Cafeina anidra", "MP", "Estimulantes", "g", 1100, "", ""},
    {"Ivermectina", "MP", "Antiparasitários", "g", 39000, "", ""},
    {"Dexametasona acetato", "MP", "Corticoides", "g", 145000, "", ""},
    {"Celulose microcristalina 101", "EXC", "Diluentes", "g", 95, "", ""},
    {"Amido de milho", "EXC", "Diluentes", "g", 40, "", ""},
    {"Lactose monohidratada", "EXC", "Diluentes", "g", 70, "", ""},
    {"Estearato de magnesio", "EXC", "Lubrificantes", "g", 160, "", ""},
    {"Dioxido de silicio coloidal", "EXC", "Deslizantes", "g", 420, "", "Aerosil"},
    {"Talco farmaceutico", "EXC", "Deslizantes", "g", 60, "", ""},
    {"Lauril sulfato de sodio", "EXC", "Tensoativos", "g", 210, "", ""},
    {"Base creme lanette", "EXC", "Bases", "g", 280, "", "Creme lanette"},
    {"Base gel natrosol", "EXC", "Bases", "g", 230, "", "Gel natrosol"},
    {"Base xarope simples", "EXC", "Bases", "ml", 110, "", "Xarope simples"},
    {"Vaselina solida", "EXC", "Bases", "g", 150, "", ""},
    {"Glicerina bidestilada", "EXC", "Umectantes", "ml", 190, "", "Glicerol"},
    {"Propilenoglicol", "EXC", "Umectantes", "ml", 170, "", ""},
    {"Agua purificada", "EXC", "Veículos", "ml", 8, "", ""},
    {"Alcool de cereais 96%", "EXC", "Veículos", "ml", 140, "", ""},
    {"Metilparabeno", "EXC", "Conservantes", "g", 620, "", "Nipagin"},
    {"Propilparabeno", "EXC", "Conservantes", "g", 780, "", "Nipazol"},
    {"Essencia de lavanda", "ESS", "Essências", "ml", 5200, "", ""},
    {"Essencia de erva-doce", "ESS", "Essências", "ml", 3900, "", ""},
    {"Essencia de morango", "ESS", "Flavorizantes", "ml", 4600, "", ""},
    {"Essencia de tutti-frutti", "ESS", "Flavorizantes", "ml", 4100, "", ""},
    {"Essencia de menta", "ESS", "Flavorizantes", "ml", 4800, "", ""},
    {"Oleo essencial de melaleuca", "ESS", "Óleos essenciais", "ml", 17500, "", "Tea tree"},
    {"Oleo essencial de alecrim", "ESS", "Óleos essenciais", "ml", 14200, "", ""},
    {"Extrato seco de ginkgo biloba", "FIT", "Fitoterápicos", "g", 6800, "", "Ginkgo"},
    {"Extrato seco de valeriana", "FIT", "Fitoterápicos", "g", 5900, "", ""},
    {"Extrato seco de passiflora", "FIT", "Fitoterápicos", "g", 4300, "", "Maracuja"},
    {"Extrato seco de castanha-da-india", "FIT", "Fitoterápicos", "g", 5100, "", ""},
    {"Extrato seco de cascara sagrada", "FIT", "Fitoterápicos", "g", 3600, "", ""},
    {"Tintura de calendula", "FIT", "Fitoterápicos", "ml", 950, "", ""},
    {"Tintura de arnica", "FIT", "Fitoterápicos", "ml", 1150, "", ""},
    {"Centella asiatica extrato seco", "FIT", "Fitoterápicos", "g", 4700, "", ""},
    {"Garcinia cambogia extrato seco", "FIT", "Fitoterápicos", "g", 3300, "", ""},
};

}  // namespace

const std::vector<OtherComponent> &otherComponents() {
  static const std::vector<OtherComponent> components = [] {
    std::vector<OtherComponent> list;
    for (const Line &line : kLines)
      list.push_back({QString::fromUtf8(line.description), QString::fromUtf8(line.group),
                      QString::fromUtf8(line.family), QString::fromUtf8(line.unit), line.cost,
                      QString::fromUtf8(line.lista), QString::fromUtf8(line.synonym)});
    return list;
  }();
  return components;
}

}  // namespace demo
