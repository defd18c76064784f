#pragma once

// What every test program fixes before its application object exists, so that no test depends on the
// machine it runs on: the time zone (UTC), the locale of the C library and of Qt (C, UTF-8) and with it the
// interface language (Russian), Qt's test locations for settings and caches, and a print server that does
// not exist. A GUI program also gets the offscreen platform unless one was chosen.
void PinTestEnvironment();
// Points CUPS_SERVER at a socket where no server listens, for this process and the programs it starts, so
// that no result depends on the machine's own printers; the printing tests start a server of their own.
void PinNoPrintServer();
// Points the user's settings (QSettings and XDG_CONFIG_HOME) at a temporary folder of this process.
void PinSettingsFolder();
void PinGuiPlatform();
