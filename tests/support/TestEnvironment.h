#pragma once

// What every test program fixes before its application object exists, so that no test depends on the
// machine it runs on: the time zone (UTC), the locale of the C library and of Qt (C, UTF-8), and Qt's test
// locations for settings and caches. A GUI program also gets the offscreen platform unless one was chosen.
void PinTestEnvironment();
void PinGuiPlatform();
