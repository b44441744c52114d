-- 10,000 channels, after hcwChannels.sql. Rows are inserted out of preferred_number order and
-- their ids do not follow the numbers: the list shows the query's order. The names of numbers
-- 5000 and 7000 are 255 characters long, the most the recordset holds, and 300, which it cuts
-- to 255. Every language is NULL.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000),
p(i, numero) AS (SELECT i, (i * 7919) % 10000 + 1 FROM n)
INSERT INTO hcwChannels
SELECT i, 1000 + i,
       CASE numero WHEN 5000 THEN substr(hex(zeroblob(128)), 2) WHEN 7000 THEN hex(zeroblob(150))
                   ELSE 'Chaine ' || numero END,
       numero, 'fr', '', 'stereo', '', 'cable', NULL, 'Divers', 0, 0, 0, NULL
FROM p;
