#pragma once

#include <QWidget>

class QLabel;
class QMovie;

// The start-up picture with its progress, copyright and version lines; its
// size and the place, colour and alignment of each line come from a layout
// file beside the program.
class uxSplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit uxSplashScreen(QWidget* parent = nullptr);
    ~uxSplashScreen() override;

    void setMessage(const QString& html);
    void setCopyright(const QString& html);
    void setVersion(const QString& html);
    QString messageColor() const { return m_messageColor; }
    QString versionColor() const { return m_versionColor; }
    QString copyrightColor() const { return m_copyrightColor; }

    void setBackground(const QString& imagePath);
    void finish(QWidget* mainWindow);

    static QString layoutFilePath();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Ui
    {
        QLabel* lblMessage = nullptr;
        QLabel* lblCopyRight = nullptr;
        QLabel* lblVersion = nullptr;
    };

    void setupUi();
    void retranslateUi();
    void applyLayoutFile();

    Ui* m_ui = nullptr;
    QMovie* m_movie = nullptr;
    QLabel* m_picture = nullptr;
    QString m_messageColor;
    QString m_versionColor;
    QString m_copyrightColor;
};
