#include "QvtmpDialog.h"

#include "UiBuild.h"

#include <QGridLayout>
#include <QLabel>

QvtmpDialog::QvtmpDialog(QWidget* parent)
    : ModuleDialog("Form_QVTMP", "QVTMP", "Pt bemenet beállításai",
                   {.readKey = KeyQvtmpRead, .defaultKey = KeyQvtmpDefaults, .writeKey = KeyQvtmpWrite}, parent)
{
    // The sensor type stands outside the settings group.
    auto* g = new QGridLayout(side());
    g->addWidget(uibuild::Label(side(), "Label11", "Érzékelő típusa:"), 0, 0);
    Label_bPt1000 = uibuild::Label(side(), "Label_bPt1000", "Pt1000");
    g->addWidget(Label_bPt1000, 0, 1);
    g->setRowStretch(1, 1);
}

void QvtmpDialog::ShowStatus(const StatusRecord& r)
{
    Label_bPt1000->setText(r.bPt1000 ? "Pt 1000" : "Pt 100");
}
