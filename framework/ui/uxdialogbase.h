#pragma once

#include <QDialog>

class uxBackgroundWidget;
class uxWidgetFrame;

// Base of every dialog: frameless and skinned, with the frame's title bar,
// moving and resizing, a shape that follows size and skin, and a count of the
// dialogs running their modal loop.
//
// A subclass's form holds a QFrame "uxDialogExClient" with a QVBoxLayout; the
// title bar goes first in it. The subclass calls initWidgetFrame() at the end
// of its constructor.
class uxDialogBase : public QDialog
{
    Q_OBJECT
public:
    explicit uxDialogBase(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());

    void setWindowFlags(int flags);
    void initWidgetFrame(bool showTitleBar, bool extendedTitleBar, QWidget* menuWidget);
    uxWidgetFrame* widgetFrame() const { return m_frame; }
    uxBackgroundWidget* background() const { return m_background; }
    void updateWindowMask();

    // How many dialogs are inside exec() right now.
    static int modalDepth();
    // Shows dialog modally, centred over reference (its parent when null) and
    // kept inside the work area of the reference's screen.
    static void placeDialog(QDialog* dialog, QWidget* reference);

Q_SIGNALS:
    void windowFlagsChanged(int flag);
    void windowFlagsExChanged(int flag);

public Q_SLOTS:
    int exec() override;
    virtual void on_skinChanged(const QString& strSkinName);
    virtual void on_languageChanged(const QString& strLangName);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    uxWidgetFrame* m_frame = nullptr;
    uxBackgroundWidget* m_background = nullptr;
};
