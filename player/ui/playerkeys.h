#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QKeyEvent;
class QWidget;

// The player's one table of keyboard shortcuts. Every entry is an action
// with its key; the actions are added to each window that answers the keys
// (the player window, full screen included, and the floating control bar),
// so a key works whichever widget of those windows has the focus. The table
// also lists itself for the shortcuts window.
class PlayerKeys : public QObject
{
    Q_OBJECT
public:
    struct Entry
    {
        QString keys;
        QString description;
    };

    explicit PlayerKeys(QObject* parent = nullptr);

    // One key, one line in the list. text is untranslated (QT_TRANSLATE_NOOP
    // in the "PlayerKeys" context) and also names the action in menus.
    QAction* add(const char* name, const QKeySequence& key, const char* text,
                 const std::function<void()>& run);
    // Several keys listed on one line as "first … last"; run gets the index of
    // the key pressed.
    void addRange(const char* name, const QList<QKeySequence>& keys, const char* text,
                  const std::function<void(int)>& run);
    // Gives an action of the menus its key, so the menu shows it.
    void bind(QAction* action, const QKeySequence& key, const char* text);
    // Makes the keys work in widget's window.
    void attach(QWidget* widget);
    // While widget has the focus (a menu bar walked with the keyboard), it
    // keeps the keys it moves with.
    void yieldTo(QWidget* widget);

    QAction* action(const char* name) const;
    QList<Entry> entries() const;
    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row
    {
        QList<QAction*> actions;
        const char* text = nullptr;
        bool ownText = true;
    };
    QAction* newAction(const char* name, const QKeySequence& key);
    bool answers(QObject* watched, QKeyEvent* event);

    QList<Row> m_rows;
    QList<QWidget*> m_windows;
    QList<QObject*> m_yielding;
};
