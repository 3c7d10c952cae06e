-- The tables of a project file, current layout (version 8), columns in their
-- established order. Names and links compare without regard to case
-- (collation CASEFOLD, registered on every connection). Yes/No columns hold
-- 0 or 1; Date/Time columns hold ISO-8601 text, times of day as HH:MM:SS.
-- Links between tables are by value; the program itself refuses deleting or
-- renaming a row that Zuleser or Zuschluessel still name.

CREATE TABLE Leser (
  Lname TEXT(50) COLLATE CASEFOLD,
  Seriennr TEXT(10) COLLATE CASEFOLD,
  BusID INTEGER,
  AS_adr INTEGER,
  Zmodus INTEGER,
  Funktion INTEGER,
  Sanzahl INTEGER,
  Modify INTEGER,
  RSZ INTEGER,
  ProgSp INTEGER,
  TOE INTEGER,
  Akustik INTEGER,
  Zeiterfassung INTEGER,
  Typ INTEGER DEFAULT 0
);
CREATE UNIQUE INDEX SeriennrIndex ON Leser (Seriennr);

CREATE TABLE Schluessel (
  Schluesselnr TEXT(12) COLLATE CASEFOLD,
  Sname TEXT(50) COLLATE CASEFOLD,
  HilfsID TEXT(50) COLLATE CASEFOLD,
  AbsoluteZeit INTEGER,
  Startzeit TEXT,
  Endzeit TEXT
);
CREATE UNIQUE INDEX SchluesselnrIndex ON Schluessel (Schluesselnr);
CREATE UNIQUE INDEX SnameIndex ON Schluessel (Sname);

CREATE TABLE Zutrittsprofile (
  Zname TEXT(50) COLLATE CASEFOLD
);
CREATE UNIQUE INDEX ZnameIndex ON Zutrittsprofile (Zname);

CREATE TABLE Zuleser (
  Profil TEXT(50) COLLATE CASEFOLD,
  Leser TEXT(10) COLLATE CASEFOLD,
  Zeitzone TEXT(50) COLLATE CASEFOLD,
  ZFunktion TEXT(50) COLLATE CASEFOLD
);
CREATE UNIQUE INDEX ZuleserIndex ON Zuleser (Profil, Leser);

CREATE TABLE Zuschluessel (
  Schluessel TEXT(12) COLLATE CASEFOLD,
  Profil TEXT(50) COLLATE CASEFOLD
);
CREATE UNIQUE INDEX ZuschluesselIndex ON Zuschluessel (Schluessel);

CREATE TABLE Funktionen (
  Fname TEXT(50) COLLATE CASEFOLD,
  FTyp INTEGER,
  Protokoll TEXT(8) COLLATE CASEFOLD,
  BusID INTEGER
);
CREATE UNIQUE INDEX FnameIndex ON Funktionen (Fname);

CREATE TABLE Zeitzonen (
  Tname TEXT(50) COLLATE CASEFOLD,
  MoSzeit1 TEXT, MoEzeit1 TEXT, MoSzeit2 TEXT, MoEzeit2 TEXT,
  MoSzeit3 TEXT, MoEzeit3 TEXT, MoSzeit4 TEXT, MoEzeit4 TEXT,
  DiSzeit1 TEXT, DiEzeit1 TEXT, DiSzeit2 TEXT, DiEzeit2 TEXT,
  DiSzeit3 TEXT, DiEzeit3 TEXT, DiSzeit4 TEXT, DiEzeit4 TEXT,
  MiSzeit1 TEXT, MiEzeit1 TEXT, MiSzeit2 TEXT, MiEzeit2 TEXT,
  MiSzeit3 TEXT, MiEzeit3 TEXT, MiSzeit4 TEXT, MiEzeit4 TEXT,
  DoSzeit1 TEXT, DoEzeit1 TEXT, DoSzeit2 TEXT, DoEzeit2 TEXT,
  DoSzeit3 TEXT, DoEzeit3 TEXT, DoSzeit4 TEXT, DoEzeit4 TEXT,
  FrSzeit1 TEXT, FrEzeit1 TEXT, FrSzeit2 TEXT, FrEzeit2 TEXT,
  FrSzeit3 TEXT, FrEzeit3 TEXT, FrSzeit4 TEXT, FrEzeit4 TEXT,
  SaSzeit1 TEXT, SaEzeit1 TEXT, SaSzeit2 TEXT, SaEzeit2 TEXT,
  SaSzeit3 TEXT, SaEzeit3 TEXT, SaSzeit4 TEXT, SaEzeit4 TEXT,
  SoSzeit1 TEXT, SoEzeit1 TEXT, SoSzeit2 TEXT, SoEzeit2 TEXT,
  SoSzeit3 TEXT, SoEzeit3 TEXT, SoSzeit4 TEXT, SoEzeit4 TEXT
);
CREATE UNIQUE INDEX TnameIndex ON Zeitzonen (Tname);

CREATE TABLE HLV_BUS (
  BusID INTEGER,
  ComPort INTEGER
);
CREATE UNIQUE INDEX BusIDIndex ON HLV_BUS (BusID);

CREATE TABLE Einstellungen (
  Bezeichnung TEXT(50) COLLATE CASEFOLD CHECK (length(Bezeichnung) <= 50),
  Wert INTEGER,
  Zeitintervall INTEGER,
  Funktion TEXT(255) CHECK (length(Funktion) <= 255),
  Versionsnummer INTEGER
);
CREATE UNIQUE INDEX BezeichnungIndex ON Einstellungen (Bezeichnung);
