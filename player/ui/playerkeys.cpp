#include "player/ui/playerkeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("PlayerKeys", text);
}

QString keyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

} // namespace

// Qt only runs a shortcut while it counts the window as active. Some window
// managers leave the keyboard focus where Qt does not see the window
// activated (a click on the video, which is another client's X window), and
// the key then reaches the focused widget as a plain key press: the table
// answers it there too.
PlayerKeys::PlayerKeys(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

QAction* PlayerKeys::newAction(const char* name, const QKeySequence& key)
{
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    for (QWidget* window : std::as_const(m_windows))
        window->addAction(action);
    return action;
}

QAction* PlayerKeys::add(const char* name, const QKeySequence& key, const char* text,
                         const std::function<void()>& run)
{
    QAction* action = newAction(name, key);
    action->setText(translated(text));
    connect(action, &QAction::triggered, this, run);
    m_rows.append({{action}, text, true});
    return action;
}

void PlayerKeys::addRange(const char* name, const QList<QKeySequence>& keys, const char* text,
                          const std::function<void(int)>& run)
{
    Row row{{}, text, true};
    for (int i = 0; i < keys.size(); ++i) {
        QAction* action = newAction(name, keys.at(i));
        action->setText(translated(text));
        connect(action, &QAction::triggered, this, [run, i] { run(i); });
        row.actions << action;
    }
    m_rows.append(row);
}

void PlayerKeys::bind(QAction* action, const QKeySequence& key, const char* text)
{
    action->setShortcut(key);
    for (QWidget* window : std::as_const(m_windows))
        window->addAction(action);
    m_rows.append({{action}, text, false});
}

void PlayerKeys::attach(QWidget* widget)
{
    m_windows << widget;
    for (const Row& row : std::as_const(m_rows))
        widget->addActions(row.actions);
}

void PlayerKeys::yieldTo(QWidget* widget)
{
    m_yielding << widget;
}

bool PlayerKeys::answers(QObject* watched, QKeyEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || m_yielding.contains(widget))
        return false;
    const bool ours = std::any_of(m_windows.cbegin(), m_windows.cend(),
                                  [widget](QWidget* w) { return w->window() == widget->window(); });
    if (!ours)
        return false;
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (const Row& row : std::as_const(m_rows)) {
        for (QAction* action : row.actions) {
            if (action->isEnabled() && action->shortcut() == pressed) {
                action->trigger();
                return true;
            }
        }
    }
    return false;
}

bool PlayerKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && answers(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::ShortcutOverride && m_yielding.contains(watched)) {
        auto* key = static_cast<QKeyEvent*>(event);
        static const QList<int> moves = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                         Qt::Key_Down, Qt::Key_Space, Qt::Key_Escape};
        if (key->modifiers() == Qt::NoModifier && moves.contains(key->key()))
            event->accept();
    }
    return QObject::eventFilter(watched, event);
}

QAction* PlayerKeys::action(const char* name) const
{
    return findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

QList<PlayerKeys::Entry> PlayerKeys::entries() const
{
    QList<Entry> list;
    for (const Row& row : m_rows) {
        const QString first = keyText(row.actions.first()->shortcut());
        const QString keys = row.actions.size() == 1
                                 ? first
                                 : first + QStringLiteral(" … ")
                                       + keyText(row.actions.last()->shortcut());
        list.append({keys, translated(row.text)});
    }
    return list;
}

void PlayerKeys::retranslate()
{
    for (const Row& row : std::as_const(m_rows)) {
        if (!row.ownText)
            continue;
        for (QAction* action : row.actions)
            action->setText(translated(row.text));
    }
}
