#include "ScenarioWidgets.h"

#include "ModuleLibrary.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTreeWidget>

#include <map>
#include <string>

namespace {

// Scenario names of the tool bar's buttons; the frame's carry theirs as object names.
const std::map<QString, QString> toolBarNames = {
    {"Save", "SaveBtn"}, {"Calculator", "CalculBtn"}, {"Notes", "NotesBtn"}, {"Help", "HelpBtn"}};

} // namespace

bool InModule(const QWidget* widget) {
    const QWidget* window = widget->window();
    return window && window->objectName() != QLatin1String("HostWindow");
}

QWidget* FindControl(const QString& name) {
    QWidget* hidden = nullptr;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() != name || !InModule(widget)) continue;
        if (widget->isVisible()) return widget;
        hidden = widget;
    }
    return hidden;
}

QAbstractButton* FindButton(const QString& name) {
    const auto alias = toolBarNames.find(name);
    return qobject_cast<QAbstractButton*>(
        FindControl(alias != toolBarNames.end() ? alias->second : name));
}

QListWidget* FindOpenPickList(QWidget* grid) {
    for (QListWidget* list : grid->window()->findChildren<QListWidget*>())
        if (list->inherits("TPopupListbox") && list->isVisible()) return list;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("TPopupListbox") && widget->isVisible())
            return qobject_cast<QListWidget*>(widget);
    return nullptr;
}

int ShownScreenId() {
    QWidget* client = FindControl("ClientPanel");
    QWidget* idLabel = FindControl("Label1");
    if (!client || !idLabel) return 0;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->inherits("TChildForm") && child->isVisible())
            return qobject_cast<QLabel*>(idLabel)->text().toInt();
    return 0;
}

QString ShownText(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text().remove('&');
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
    if (auto* table = qobject_cast<QTableWidget*>(control)) {
        QStringList cells;
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* cell = table->item(row, column))
                    if (!cell->text().trimmed().isEmpty()) cells << cell->text();
        return cells.join(' ');
    }
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines.join(" | ");
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
        QStringList nodes;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            nodes << (*it)->text(0);
        return nodes.join(" | ");
    }
    // A marked-up label: the section on display as last laid out, else all its lines, without
    // their commands.
    if (const QString shown = control->property("plainText").toString(); !shown.isEmpty())
        return shown.simplified();
    const QStringList lines = control->property("Text").toStringList();
    QString text = lines.join(' ');
    text.remove(QRegularExpression("<[^>]*>"));
    return text.simplified();
}

QString FieldText(TModuleLibrary& module, int tag) {
    // The store's own reader, found in the module by its linker name.
    using TFieldAsText = std::string (*)(int);
    const auto reader = reinterpret_cast<TFieldAsText>(module.Resolve("_Z11FieldAsTextB5cxx11i"));
    return reader ? QString::fromLatin1(reader(tag).c_str()) : QString();
}
