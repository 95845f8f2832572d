#pragma once

#include "framework/ui/uxdialogbase.h"

#include <QColor>

class QFrame;
class QLabel;

// The about box: the skin's picture, the product's name and version, links to
// its home and support pages and the copyright line, all from the product
// information and refreshed on every language change.
class uxAboutDlg : public uxDialogBase
{
    Q_OBJECT
    Q_PROPERTY(bool horzProductVersion READ horzProductVersion WRITE setHorzProductVersion)
    Q_PROPERTY(QColor linkFontColor READ linkFontColor WRITE setLinkFontColor)
public:
    explicit uxAboutDlg(QWidget* parent = nullptr);

    bool horzProductVersion() const { return m_horzProductVersion; }
    void setHorzProductVersion(bool horizontal);
    QColor linkFontColor() const { return m_linkFontColor; }
    void setLinkFontColor(const QColor& color);

    // The copyright line for the product's years and company.
    static QString copyrightText();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    QLabel* addLabel(QWidget* parent, const char* name);
    void buildImageRow(QWidget* client);
    void buildContent(QWidget* client);
    void retranslate();
    void refresh();
    QString link(const QString& url) const;
    QSize pictureSize() const;

    QLabel* m_lblAboutImage = nullptr;
    QFrame* m_horzFrame = nullptr;
    QFrame* m_vertFrame = nullptr;
    QLabel* m_labelProduct = nullptr;
    QLabel* m_labelVersion = nullptr;
    QLabel* m_labelProduct2 = nullptr;
    QLabel* m_labelVersion2 = nullptr;
    QLabel* m_labelHomePage = nullptr;
    QLabel* m_labelSupport = nullptr;
    QLabel* m_labelCopyright = nullptr;
    bool m_horzProductVersion = true;
    QColor m_linkFontColor;
};
