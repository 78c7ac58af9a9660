///////////////////////////////////////////////////////////////////////////////
// Name:        resources/WindowIconData.h
// Purpose:     The window icon's PNG file, compiled into the program
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_RESOURCES_WINDOWICONDATA_H
#define LAUNCHER_RESOURCES_WINDOWICONDATA_H

#include <stddef.h>

extern const unsigned char g_windowIconPng[];
extern const size_t g_windowIconPngSize;

#endif // LAUNCHER_RESOURCES_WINDOWICONDATA_H
