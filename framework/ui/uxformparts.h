#pragma once

#include <QBoxLayout>
#include <QFrame>
#include <QLayout>

// Pieces of forms built in code. Skins style widgets by their object names,
// so every frame and layout of a form carries one.
class uxFormParts
{
public:
    // The frames of a short notice, as skins know them: the client frame the
    // title bar goes into, a content container and a button row.
    struct Notice
    {
        QVBoxLayout* content = nullptr;
        QFrame* buttons = nullptr;
    };
    static Notice notice(QWidget* dialog);

    // A frame named name in parent, added to into when given.
    static QFrame* frame(QWidget* parent, const char* name, QLayout* into = nullptr);

    // A widget of type Widget named name in parent, added to into when given.
    template <typename Widget>
    static Widget* add(QWidget* parent, const char* name, QLayout* into = nullptr)
    {
        auto* widget = new Widget(parent);
        widget->setObjectName(QLatin1String(name));
        if (into)
            into->addWidget(widget);
        return widget;
    }

    template <typename Layout>
    static Layout* layout(QWidget* parent, const char* name)
    {
        auto* layout = new Layout(parent);
        layout->setObjectName(QLatin1String(name));
        return layout;
    }

    // A layout without margins or spacing, for frames that only hold others.
    template <typename Layout>
    static Layout* tightLayout(QWidget* parent, const char* name)
    {
        Layout* tight = layout<Layout>(parent, name);
        tight->setSpacing(0);
        tight->setContentsMargins(0, 0, 0, 0);
        return tight;
    }
};
