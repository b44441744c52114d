#pragma once
// The floor of the editor's channel list: the program's channel query on the data source
// "Chaines", on a connection with the same settings, every column bound and every row fetched
// in blocks as the program's recordset fetches them, and nothing else.

// The number of rows fetched; -1 when the connection or the query failed.
int LectureNue();
