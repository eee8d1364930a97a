#pragma once

class QTableView;

// Opens the persistent editors of the actuator table (the buttons and the combo boxes) that
// are not open yet, for every column; when any was opened, fits the rows and columns to them
// (fitActuatorTable). True when at least one editor was opened.
bool updatePersistentEditors(QTableView* table);

// Rows as high as what they hold, the two spacer rows a thin gap, so that the whole table fits
// on a laptop's screen. Every column as wide as the widest content of any (error texts
// excepted: they are elided and have their tool tips), and wider where there is room to share.
void fitActuatorTable(QTableView* table);
