#pragma once

class MeasurementDocument;
class QWidget;
class UserDialogs;

// What every command of the main window reads and where it answers: window owns their dialogs, graphArea is
// the graph on screen, which a dialog covers and which is drawn afresh once the dialog has gone.
struct CommandParts {
    QWidget& window;
    QWidget& graphArea;
    const MeasurementDocument& document;
    UserDialogs& dialogs;
};
