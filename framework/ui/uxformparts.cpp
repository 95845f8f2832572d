#include "framework/ui/uxformparts.h"

QFrame* uxFormParts::frame(QWidget* parent, const char* name, QLayout* into)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    if (into)
        into->addWidget(frame);
    return frame;
}
