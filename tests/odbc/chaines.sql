-- A dozen channels, after hcwChannels.sql. Rows are inserted out of preferred_number order.
-- Two channels share the number 5 and are inserted with their names in reverse alphabetical
-- order: the list must keep the order the database returns. Texts are stored as the ANSI
-- code page 1252 bytes that an Access driver hands to an ANSI program (CAST of a blob keeps
-- the bytes as they are): X'4672616EE7616973' is "Français", X'54E96CE9' "Télé".
INSERT INTO hcwChannels VALUES
 (1, 1101, 'TF1', 1, 'fr', '', 'stereo', '', 'analog', CAST(X'4672616EE7616973' AS TEXT), 'Generaliste', 0, 0, 0, '2004-03-01 20:30:00'),
 (7, 1107, 'M6', 6, 'fr', '', 'stereo', '', 'analog', CAST(X'4672616EE7616973' AS TEXT), 'Generaliste', 0, 0, 0, NULL),
 (3, 1103, 'France 3', 3, 'fr', '', 'stereo', '', 'analog', CAST(X'4672616EE7616973' AS TEXT), 'Regional', 0, 0, 0, NULL),
 (5, 1105, 'TV5 Monde', 5, 'fr', '', 'stereo', '', 'cable', CAST(X'4672616EE7616973' AS TEXT), 'Francophone', 0, 0, 0, NULL),
 (6, 1106, 'Arte', 5, 'fr', 'de', 'stereo', '', 'analog', 'Franco-allemand', 'Culture', 5, 1, 0, NULL),
 (2, 1102, 'France 2', 2, 'fr', '', 'stereo', '', 'analog', CAST(X'4672616EE7616973' AS TEXT), 'Generaliste', 0, 0, 0, NULL),
 (4, 1104, 'Canal+', 4, 'fr', '', 'stereo', '', 'analog', '', 'Cinema', 0, 0, 1, NULL),
 (12, 1112, CAST(X'C976E96E656D656E7473' AS TEXT), 12, '', '', 'mono', '', 'cable', NULL, 'Sport', 0, 0, 0, NULL),
 (8, 1108, 'Euronews', 8, 'en', '', 'stereo', '', 'cable', 'English', 'Information', 0, 0, 0, NULL),
 (10, 1110, '', 10, '', '', 'mono', '', 'cable', 'Deutsch', '', 0, 0, 0, NULL),
 (9, 1109, CAST(X'54E96CE9' AS TEXT), 9, 'fr', '', 'stereo', '', 'cable', CAST(X'4672616EE7616973' AS TEXT), 'Jeunesse', 0, 0, 0, NULL),
 (11, 1111, 'Mezzo', 11, 'fr', '', 'stereo', '', 'cable', 'Musique', 'Musique', 0, 0, 0, '2004-02-28 21:00:00');
