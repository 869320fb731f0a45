#include "platform/desktop/Beep.h"

#include "platform/Seam.h"

#include <QApplication>

void Beep()
{
    if (BeepService* standIn = Seam<BeepService>::standIn())
        standIn->beep();
    else
        QApplication::beep();
}
