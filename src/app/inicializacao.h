#pragma once

#include "dm.h"
#include "dm2.h"
#include "form2.h"
#include "form_cad_caps.h"

#include <memory>

// The four top-level objects, created once in this fixed order and living
// until the program ends.
struct ObjetosDoPrograma {
  TFormCadCaps FormCadCaps;
  TDM DM;
  TForm2 Form2{&FormCadCaps};
  TDM2 DM2;
};

// Creates them and runs their creation steps, reading the settings file of
// `pastaPrograma` before either connection opens. A failure in a creation
// step goes to the general failure handling and the start-up goes on.
std::unique_ptr<ObjetosDoPrograma> criaObjetosDoPrograma(const QString &pastaPrograma);

// The program: application object, the objects above, the message loop.
int executaPrograma(int argc, char **argv);
