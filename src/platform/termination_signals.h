#pragma once

class QWidget;

// A request to end the program from outside (SIGTERM at log-out or shutdown,
// SIGINT, SIGHUP) closes the window the ordinary way, so that a record being
// edited is stored first. The database client catches these signals for
// itself and would otherwise leave the program running with its connections
// cut; install this after the connections are open.
void closeOnTerminationSignals(QWidget *window);
