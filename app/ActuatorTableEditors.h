#pragma once

class QTableView;

// Opens the persistent editors of the actuator table (the buttons and the combo boxes) that
// are not open yet, for every column; when any was opened, fits the rows to them and gives
// every column the table's fixed width. True when at least one editor was opened.
bool updatePersistentEditors(QTableView* table);
