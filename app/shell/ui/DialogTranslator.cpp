#include "shell/ui/DialogTranslator.h"

#include "shell/Lang.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>
#include <QWidget>

#include <string>

namespace mienlore {
namespace {

QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

int IdOf(const QObject* object, const char* property) {
    const QVariant v = object->property(property);
    bool ok = false;
    const int id = v.isValid() ? v.toInt(&ok) : 0;
    return ok ? id : 0;
}

QString TextOf(const QWidget* widget) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(widget))
        return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(widget))
        return l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(widget))
        return g->title();
    if (const auto* e = qobject_cast<const QLineEdit*>(widget))
        return e->text();
    return {};
}

void SetTextOf(QWidget* widget, const QString& text) {
    if (auto* b = qobject_cast<QAbstractButton*>(widget))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(widget))
        l->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(widget))
        g->setTitle(text);
    else if (auto* e = qobject_cast<QLineEdit*>(widget))
        e->setText(text);
}

int TranslateChildren(const CLang& lang, QWidget* parent, int dialogId) {
    int count = 0;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || IdOf(widget, kDialogIdProperty) != 0)
            continue;
        const int id = IdOf(widget, kCtrlIdProperty);
        const QString current = TextOf(widget);
        if (id != 0 && !current.isEmpty()) {
            const std::string text = lang.ControlText(dialogId, id, current.toStdString());
            SetTextOf(widget, FromUtf8(text));
            ++count;
        }
        count += TranslateChildren(lang, widget, dialogId);
    }
    return count;
}

} // namespace

void SetControlId(QWidget* widget, int controlId) {
    widget->setProperty(kCtrlIdProperty, controlId);
}

void SetStaticTextId(QWidget* widget) {
    SetControlId(widget, CLang::kStaticTextId);
}

void SetDialogId(QWidget* widget, int dialogId) {
    widget->setProperty(kDialogIdProperty, dialogId);
}

void SetCommandId(QAction* action, int commandId) {
    action->setProperty(kCmdIdProperty, commandId);
}

int TranslateDialog(const CLang& lang, QWidget* dialog, int dialogId) {
    if (dialog == nullptr)
        return 0;
    dialog->setWindowTitle(
        FromUtf8(lang.DialogCaption(dialogId, dialog->windowTitle().toStdString())));
    return TranslateChildren(lang, dialog, dialogId);
}

QString TranslatedPageTitle(const CLang& lang, int dialogId, const QString& fallback) {
    const std::string title = lang.PageTitle(dialogId);
    return title.empty() ? fallback : FromUtf8(title);
}

QString TranslatedString(const CLang& lang, unsigned id) {
    return FromUtf8(lang.LoadString(id));
}

void TranslateMenuBar(const CLang& lang, QMenuBar* menuBar) {
    if (menuBar == nullptr)
        return;
    const QList<QAction*> menus = menuBar->actions();
    for (int i = 0; i < menus.size(); ++i) {
        QAction* top = menus[i];
        top->setText(FromUtf8(lang.MenuText(i, top->text().toStdString())));
        QMenu* sub = top->menu();
        if (sub == nullptr)
            continue;
        for (QAction* item : sub->actions()) {
            const int id = IdOf(item, kCmdIdProperty);
            if (item->isSeparator() || id == 0)
                continue;
            item->setText(FromUtf8(lang.MenuText(id, item->text().toStdString())));
        }
    }
}

} // namespace mienlore
