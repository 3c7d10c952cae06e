-- The rows every new project starts with.
INSERT INTO Einstellungen (Bezeichnung, Wert, Zeitintervall, Funktion, Versionsnummer) VALUES
  ('Version', NULL, NULL, NULL, 8),
  ('Anlagentest', 0, 0, NULL, NULL),
  ('Watchdog', 0, 0, NULL, NULL),
  ('WatchdogNW', 0, 0, NULL, NULL),
  ('ErrorMesBUS', 0, NULL, NULL, NULL),
  ('ErrorMesTxt', 0, NULL, NULL, NULL),
  ('DubbleSave', 0, NULL, NULL, NULL),
  ('Fernwartung', 0, 0, NULL, NULL),
  ('StandardStartUhrzeit', 0, NULL, NULL, NULL),
  ('StandardStartStunde', NULL, 0, NULL, NULL),
  ('StandardStartMinute', NULL, 0, NULL, NULL),
  ('StandardEndeUhrzeit', 0, NULL, NULL, NULL),
  ('StandardEndeStunde', NULL, 0, NULL, NULL),
  ('StandardEndeMinute', NULL, 0, NULL, NULL),
  ('DifferenzEnde', 0, NULL, NULL, NULL),
  ('DifferenzEndeWert', NULL, 0, NULL, NULL);

WITH RECURSIVE n(BusID) AS (SELECT 1 UNION ALL SELECT BusID + 1 FROM n WHERE BusID < 24)
INSERT INTO HLV_BUS (BusID, ComPort) SELECT BusID, 0 FROM n;

-- The always-zone: period 1 from 00:00 to 24:00 on every weekday (an end of
-- 00:00:00 stands for midnight), periods 2 to 4 unused (11:11:11).
INSERT INTO Zeitzonen VALUES ('Immer',
  '00:00:00', '00:00:00', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11',
  '00:00:00', '00:00:00', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11',
  '00:00:00', '00:00:00', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11',
  '00:00:00', '00:00:00', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11',
  '00:00:00', '00:00:00', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11',
  '00:00:00', '00:00:00', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11',
  '00:00:00', '00:00:00', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11', '11:11:11');
