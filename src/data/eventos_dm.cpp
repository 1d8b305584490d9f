#include "dm.h"

void TDM::ligaEventos() {
  Componentes.beforeInsert = [this](ds::ClientDataSet &) { ComponentesBeforeInsert(); };
  Componentes.afterInsert = [this](ds::ClientDataSet &) { ComponentesAfterInsert(); };
  Componentes.beforeEdit = [this](ds::ClientDataSet &) { ComponentesBeforeEdit(); };
  Componentes.beforePost = [this](ds::ClientDataSet &) { ComponentesBeforePost(); };
  Componentes.onPostError = [this](ds::ClientDataSet &, const EDatabaseError &failure) {
    ComponentesPostError(failure);
  };
  Componentes.afterPost = [this](ds::ClientDataSet &) { ComponentesAfterPost(); };
  Componentes.afterCancel = [this](ds::ClientDataSet &) { ComponentesAfterCancel(); };
  Componentes.beforeDelete = [this](ds::ClientDataSet &) { ComponentesBeforeDelete(); };
  Componentes.afterDelete = [this](ds::ClientDataSet &) { ComponentesAfterDelete(); };
  Componentes.afterScroll = [this](ds::ClientDataSet &) { ComponentesAfterScroll(); };
  Componentes.beforeClose = [this](ds::ClientDataSet &) { ComponentesBeforeClose(); };

  ItensAss.afterInsert = [this](ds::ClientDataSet &) { ItensAssAfterInsert(); };
  ItensAss.afterPost = [this](ds::ClientDataSet &) { ItensAssAfterPost(); };
  ItensAss.afterDelete = [this](ds::ClientDataSet &) { ItensAssAfterDelete(); };

  Tutorial.afterPost = [this](ds::ClientDataSet &) { TutorialAfterPost(); };
  Tutorial.afterDelete = [this](ds::ClientDataSet &) { TutorialAfterDelete(); };
}
