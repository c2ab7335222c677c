-- The host database as Kovelund reads and writes it: the invoice settings per user (TempDoc), the
-- invoices (Rechnung, amounts in cents), their dates (Termine, type 8 the invoice date) and the
-- payment-target settings (Version). Booleans are stored as -1 (true) and 0 (false), dates as ISO text.

CREATE TABLE TempDoc (
    ID_Benutzer            INTEGER PRIMARY KEY,
    ID_Auftragsnummer      INTEGER,
    MeßtruppZusammenfassen BOOLEAN,
    ID_Lieferschein        INTEGER,
    AbschlagAbsolut        DOUBLE,
    AbschlagProzent        SMALLINT,
    Zahlungsziel           BOOLEAN,
    Mehrwertsteuersatz     SMALLINT,
    Preisgruppe1           SMALLINT,
    Preisgruppe2           SMALLINT,
    Preisgruppe3           SMALLINT,
    Preisgruppe4           SMALLINT,
    Mehrwertsteuer         SMALLINT,
    MwStErmäßigt           SMALLINT,
    Rabatt                 SMALLINT
);

CREATE TABLE Rechnung (
    ID_Rechnungsnummer         INTEGER PRIMARY KEY,
    Rechnungsnummer            TEXT,
    Rechnungsart               SMALLINT NOT NULL DEFAULT 1,
    ID_Auftragsnummer          INTEGER,
    NettoRechnung              DOUBLE DEFAULT 0,
    Brutto                     DOUBLE DEFAULT 0,
    MehrwertsteuerFreierbetrag DOUBLE DEFAULT 0,
    Mehrwertsteuersatz         SMALLINT
);

CREATE TABLE Termine (
    ID_Termin          INTEGER PRIMARY KEY,
    ID_Rechnungsnummer INTEGER REFERENCES Rechnung (ID_Rechnungsnummer),
    ID_Terminart       SMALLINT,
    Datum              DATETIME
);

CREATE TABLE Version (
    ID_Version          INTEGER PRIMARY KEY,
    Zahlungsziel        TEXT,
    AbstandZahlungsziel DOUBLE,
    BundZahlungsziel    SMALLINT
);

INSERT INTO TempDoc VALUES (1, 4711, 0, 0, 0, 100, -1, 19, 1, 2, 3, 4, 19, 7, 0);

INSERT INTO Rechnung VALUES (11, '2026-011', 5, 4711, 100000, 119000, 0, 19);
INSERT INTO Rechnung VALUES (14, '2026-014', 5, 4711, 50000, 61500, 2000, 19);
INSERT INTO Rechnung VALUES (17, '2026-017', 1, 4711, 0, 0, 0, 19);

INSERT INTO Termine VALUES (1, 11, 8, '2026-09-15');
INSERT INTO Termine VALUES (2, 14, 8, '2026-11-02');
INSERT INTO Termine VALUES (3, 17, 8, '2026-12-01');

INSERT INTO Version VALUES (1, 'Zahlbar ohne Abzug bis <14>.', 25, 0);
