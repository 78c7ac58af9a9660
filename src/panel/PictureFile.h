///////////////////////////////////////////////////////////////////////////////
// Name:        panel/PictureFile.h
// Purpose:     Loading the pictures of the content, within a sound size
///////////////////////////////////////////////////////////////////////////////

#ifndef LAUNCHER_PANEL_PICTUREFILE_H
#define LAUNCHER_PANEL_PICTUREFILE_H

#include <wx/image.h>
#include <wx/string.h>

#include <stddef.h>

// A decoded picture takes three or four bytes a pixel, whatever its file
// takes; a few bytes of PNG can ask for gigabytes. The window needs no
// picture larger than this.
const int MAX_PICTURE_SIDE = 8192;
const long long MAX_PICTURE_PIXELS = 4096LL * 4096LL;

// The size that a PNG or BMP file's header declares; false for other data.
bool ReadPictureSize(const unsigned char* header, size_t length,
                     long long* width, long long* height);

// Loads the picture file at the path, in whatever format the registered
// image handlers recognise, unless it is no regular file or its header
// declares a picture larger than the limits above (the user is told).
// Failures leave the image empty.
bool LoadPicture(wxImage& image, const wxString& path);

#endif // LAUNCHER_PANEL_PICTUREFILE_H
