#include "SettingsCommands.h"

#include <QWidget>

namespace korvel {

using namespace qs;

SettingsCommands::SettingsCommands(Bindings& bindings, const DecimalFormat& decimals,
                                   std::vector<QWidget*> pages, QObject* parent)
    : QObject(parent), pages_(std::move(pages)),
      binding_(
          [this](const QString& name) -> QWidget* {
              for (QWidget* page : pages_)
                  for (QWidget* w : page->findChildren<QWidget*>(name))
                      if (w->window() == page->window())
                          return w;
              // Fields 47-50 live on the QVSER dialog, a window of its own.
              return qvser_ ? qvser_->findChild<QWidget*>(name) : nullptr;
          },
          decimals)
{
    bindings.SetEncoder(Command::SettingsWrite, [this](ByteWriter& w) { Take().Encode(w); });
    for (Command read : {Command::SettingsRead, Command::SettingsDefaults})
        bindings.SetDecoder(read, [this](ByteReader& r) { Show(SettingsRecord::Decode(r)); });
}

void SettingsCommands::Resolve(QWidget* qvser)
{
    qvser_ = qvser;
    binding_.Resolve();
}

}  // namespace korvel
