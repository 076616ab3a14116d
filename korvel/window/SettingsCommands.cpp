#include "SettingsCommands.h"

#include "MainWindow.h"
#include "common/ui/ControlBuilder.h"
#include "korvel/window/dialogs/QvserDialog.h"

namespace korvel {

using namespace qs;

SettingsCommands::SettingsCommands(MainWindow& window)
    : QObject(&window), window_(window),
      binding_(
          [this](const QString& name) -> QWidget* {
              if (QWidget* w = build::FindInWindow<QWidget>(&window_, name))
                  return w;
              // Fields 47-50 live on the QVSER dialog, a window of its own.
              QWidget* qvser = window_.DialogForms().qvser;
              return qvser ? qvser->findChild<QWidget*>(name) : nullptr;
          },
          window.Decimals)
{
    window.RequestEncoders[Command::SettingsWrite] = [this](ByteWriter& w) { Take().Encode(w); };
    for (Command read : {Command::SettingsRead, Command::SettingsDefaults})
        window.ReplyDecoders[read] = [this](ByteReader& r) { Show(SettingsRecord::Decode(r)); };
}

}  // namespace korvel
