#pragma once

class Application;

// The start-up steps once the application object exists: the title, then the main window, then the
// About box, each owned by the application.
void CreateForms(Application& application);

// The program: the start-up sequence, the event loop and the end. Returns the process exit code.
int RunQuorlin(int argc, char** argv);
