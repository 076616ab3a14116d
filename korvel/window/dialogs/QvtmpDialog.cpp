#include "QvtmpDialog.h"

#include <QGridLayout>
#include <QLabel>

QvtmpDialog::QvtmpDialog(QWidget* parent)
    : ModuleDialog("Form_QVTMP", "QVTMP", {.readKey = KeyQvtmpRead, .defaultKey = KeyQvtmpDefaults, .writeKey = KeyQvtmpWrite},
                   parent)
{
    auto* g = new QGridLayout(body());
    g->addWidget(new QLabel("Érzékelő típusa:", body()), 0, 0);
    Label_bPt1000 = new QLabel("Pt1000", body());
    Label_bPt1000->setObjectName("Label_bPt1000");
    g->addWidget(Label_bPt1000, 0, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(1, 1);
}

void QvtmpDialog::ShowStatus(const StatusRecord& r)
{
    Label_bPt1000->setText(r.bPt1000 ? "Pt 1000" : "Pt 100");
}
