#pragma once

// NOTE: the Windows GL headers use WINGDIAPI and APIENTRY without defining them; pulling in all of
// windows.h here would leak it into the platform-free renderer code.
#ifdef _WIN32
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#ifndef CALLBACK
#define CALLBACK __stdcall
#endif
#endif
#include <GL/gl.h>
#include <GL/glu.h>
