-- 10,000 channels for the editor's benchmark, after tests/odbc/hcwChannels.sql; inserted out
-- of preferred_number order, so that the query sorts them.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000)
INSERT INTO hcwChannels
SELECT i, 1000 + i, 'Chaine ' || i, (i * 7919) % 10000 + 1, 'fr', '', 'stereo', '', 'cable',
       'Francais', 'Divers', 0, 0, 0, NULL
FROM n;
