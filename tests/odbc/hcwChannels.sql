-- The channel table of the TV application's database, as SQLite, which stands in for Access
-- in the tests and the demo (the file is named hcwChanDB_4.mdb). No rows.
CREATE TABLE hcwChannels (
    id INTEGER NOT NULL,
    service_id INTEGER,
    preferred_name VARCHAR(255),
    preferred_number INTEGER,
    audio_lang VARCHAR(255),
    subtitle_lang VARCHAR(255),
    audio_mode VARCHAR(255),
    irblaster_data VARCHAR(255),
    channel_type VARCHAR(255),
    language VARCHAR(255),
    genre VARCHAR(255),
    duplicate_channel_id INTEGER,
    duplicate_priority INTEGER,
    blocked_flag BIT,
    last_used DATETIME
);
