#pragma once

class QAction;
class TForm1;
class TReportWindows;

// The menus of windows beside the main window's own commands, put before
// `before` in the main window's menu bar: "Анализ" (the pair map, the
// fairness check, numbers, pairs and triples, the strategy check) and
// "Билеты" (wheels and ticket checks). A new
// window is one more entry here.
TReportWindows* AddReportMenus(TForm1* form, QAction* before);
