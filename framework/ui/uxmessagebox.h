#pragma once

#include "framework/ui/uxdialogbase.h"

#include <QDialogButtonBox>
#include <QIcon>

class QAbstractButton;
class QLabel;

// The skinned message box: an icon, a word-wrapped rich-text message and a row
// of standard buttons. Skins give the icons; without them the style's are used.
class uxMessageBox : public uxDialogBase
{
    Q_OBJECT
    Q_PROPERTY(QIcon iconInformation READ iconInformation WRITE setIconInformation)
    Q_PROPERTY(QIcon iconWarning READ iconWarning WRITE setIconWarning)
    Q_PROPERTY(QIcon iconCritical READ iconCritical WRITE setIconCritical)
    Q_PROPERTY(QIcon iconQuestion READ iconQuestion WRITE setIconQuestion)
    Q_PROPERTY(QIcon iconOK READ iconOK WRITE setIconOK)
    Q_PROPERTY(QIcon iconWrong READ iconWrong WRITE setIconWrong)
    Q_PROPERTY(QSize iconSize READ iconSize WRITE setIconSize)
public:
    enum IconType
    {
        NoIcon = 0,
        Information = 1,
        Warning = 2,
        Critical = 3,
        Question = 4,
        Success = 5,
        Failure = 6
    };

    explicit uxMessageBox(QWidget* parent = nullptr);

    int iconType() const { return m_iconType; }
    void setIconType(int type);
    // Makes button the default; 0 picks the first accepting one, if any.
    void setDefaultButton(int button);
    void setText(const QString& text);
    void setStandardButtons(QDialogButtonBox::StandardButtons buttons);
    QDialogButtonBox* buttonBox() const { return m_buttonBox; }
    QLabel* iconLabel() const { return m_labelIcon; }
    QLabel* textLabel() const { return m_labelInfo; }

    QIcon iconInformation() const { return m_icons[Information]; }
    void setIconInformation(const QIcon& icon) { setSkinIcon(Information, icon); }
    QIcon iconWarning() const { return m_icons[Warning]; }
    void setIconWarning(const QIcon& icon) { setSkinIcon(Warning, icon); }
    QIcon iconCritical() const { return m_icons[Critical]; }
    void setIconCritical(const QIcon& icon) { setSkinIcon(Critical, icon); }
    QIcon iconQuestion() const { return m_icons[Question]; }
    void setIconQuestion(const QIcon& icon) { setSkinIcon(Question, icon); }
    QIcon iconOK() const { return m_icons[Success]; }
    void setIconOK(const QIcon& icon) { setSkinIcon(Success, icon); }
    QIcon iconWrong() const { return m_icons[Failure]; }
    void setIconWrong(const QIcon& icon) { setSkinIcon(Failure, icon); }
    QSize iconSize() const { return m_iconSize; }
    void setIconSize(const QSize& size);

    // Shows a message and returns the standard button that ended it; a box
    // closed without a button (-1) returns resultForClose instead.
    static int showMessage(QWidget* parent, const QString& title, const QString& text, int iconType,
                           QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                           int defaultButton = 0, int resultForClose = -1);
    static int information(QWidget* parent, const QString& title, const QString& text,
                           QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                           int defaultButton = 0, int resultForClose = -1);
    static int warning(QWidget* parent, const QString& title, const QString& text,
                       QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                       int defaultButton = 0, int resultForClose = -1);
    static int question(QWidget* parent, const QString& title, const QString& text,
                        QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes |
                                                                    QDialogButtonBox::No,
                        int defaultButton = 0, int resultForClose = -1);

public Q_SLOTS:
    void buttonClicked(QAbstractButton* button);

private:
    void buildUi();
    void setSkinIcon(int type, const QIcon& icon);
    QIcon iconFor(int type) const;
    void showIcon();
    void makeDefault(QPushButton* button);

    QLabel* m_labelIcon = nullptr;
    QLabel* m_labelInfo = nullptr;
    QDialogButtonBox* m_buttonBox = nullptr;
    int m_iconType = NoIcon;
    QIcon m_icons[Failure + 1];
    QSize m_iconSize{-1, -1};
};
