#pragma once
// Finding the module's widgets and reading what they show, for the scenario runner. The host
// links nothing of the module: it goes by object names, Qt's meta-objects and the library.

#include <QString>

class QAbstractButton;
class QListWidget;
class QWidget;
class TModuleLibrary;

// True for a widget of the module's windows, false for the host's own.
bool InModule(const QWidget* widget);
// A frame or tool-bar button by its scenario name (Next, Save, ...), or any button by its
// object name.
QAbstractButton* FindButton(const QString& name);
// The module's widget of that object name, a visible one first.
QWidget* FindControl(const QString& name);
// The grid's pick list while it is open.
QListWidget* FindOpenPickList(QWidget* grid);
// The id of the question screen on display, 0 when none is.
int ShownScreenId();
// The plain text a control shows; the lines of a list box or the nodes of a tree in order,
// joined by " | ".
QString ShownText(QWidget* control);
// FieldAsText of the module's store.
QString FieldText(TModuleLibrary& module, int tag);
