#include "shell/desktop/attach_commands.h"

#include "shell/closure/closure_dialog.h"
#include "shell/desktop/about.h"
#include "shell/desktop/description_commands_qt.h"
#include "shell/desktop/desktop_session.h"
#include "shell/desktop/file_commands.h"
#include "shell/landxml/landxml_menu.h"
#include "shell/map/map_commands.h"
#include "shell/plat/plat_commands.h"
#include "shell/plot/view_commands.h"
#include "shell/window/main_window.h"

namespace tw {

AttachedCommands AttachCommands(MainWindow& window, const CommandPorts& ports) {
  AttachedCommands attached;
  attached.files = new FileCommands(window, ports.files, ports.desktop, ports.folders);
  // Before the session, whose Recent Files follows it in the File menu.
  attached.landxml = new LandXmlMenu(window, ports.files);
  attached.session =
      new DesktopSession(window, *attached.files, ports.questions,
                         {.settings_folder = ports.folders.settings, .disk = ports.recovery_disk});
  attached.closure = new ClosureCommands(window, ports.files);
  attached.plat = new PlatCommands(window, ports.files, ports.printer);
  attached.map = new MapCommands(window, ports.files);
  attached.view = new ViewCommands(window);
  attached.description = new DescriptionCommands(window, ports.files, ports.questions);
  HelpCommands& help = ports.help;
  QObject::connect(&window, &MainWindow::helpRequested, &window, [&help] { help.ShowHelp(); });
  QObject::connect(&window, &MainWindow::aboutRequested, &window, [&help] { help.ShowAbout(); });
  return attached;
}

}  // namespace tw
