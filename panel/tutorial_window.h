// The tutorial window: an annotated screenshot of the uploader, shown modally.
#pragma once

namespace vantrelle {

// Builds a fresh tutorial window, shows it modally (the main window disabled, messages still
// dispatched) and returns when it has been closed.
void showTutorial();

}  // namespace vantrelle
