-- The tutorial database: numbered pages of text per help subject.
create table TUTORIAL (
  ASSUNTO varchar(60) not null,
  PAGINA integer not null,
  TEXTO varchar(1000),
  constraint TUTORIAL_CHAVE primary key (ASSUNTO, PAGINA)
);
