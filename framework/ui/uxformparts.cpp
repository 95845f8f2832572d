#include "framework/ui/uxformparts.h"

uxFormParts::Notice uxFormParts::notice(QWidget* dialog)
{
    auto* outer = tightLayout<QVBoxLayout>(dialog, "verticalLayout_3");
    QFrame* client = frame(dialog, "uxDialogExClient", outer);
    auto* clientLayout = layout<QVBoxLayout>(client, "verticalLayout_4");
    clientLayout->setContentsMargins(0, 0, 0, 0);
    QFrame* content = frame(client, "frmContent", clientLayout);
    auto* contentLayout = layout<QVBoxLayout>(content, "verticalLayout_8");
    QFrame* container = frame(content, "frmContentContainer", contentLayout);
    Notice parts;
    parts.content = layout<QVBoxLayout>(container, "verticalLayout");
    parts.buttons = frame(client, "frmButtonBoxBackGround", clientLayout);
    return parts;
}

QFrame* uxFormParts::frame(QWidget* parent, const char* name, QLayout* into)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    if (into)
        into->addWidget(frame);
    return frame;
}
