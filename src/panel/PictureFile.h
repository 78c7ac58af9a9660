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
// takes, and decoding a PNG takes about eight a pixel at its peak; a few
// bytes of PNG can ask for gigabytes. So a picture is measured from its
// header before it is decoded.
struct PictureLimit
{
    long long side;     // the widest and highest
    long long pixels;   // width times height
};

// The background is scaled down to the window once it is loaded, so a
// camera photo will do; only a picture whose decoding would take a
// gigabyte or more is refused.
const PictureLimit BACKGROUND_LIMIT = { 65535, 128LL * 1024 * 1024 };

// Icons and the divider are drawn at the size that they have, and made into
// a bitmap at every paint: nothing larger than the window is of use.
const PictureLimit DRAWN_PICTURE_LIMIT = { 8192, 4096LL * 4096LL };

// The size that a PNG or BMP file's header declares; false for other data.
bool ReadPictureSize(const unsigned char* header, size_t length,
                     long long* width, long long* height);

// Loads the picture file at the path, in whatever format the registered
// image handlers recognise, unless it is no regular file or its header
// declares a picture larger than the limit (the user is told). Failures
// leave the image empty.
bool LoadPicture(wxImage& image, const wxString& path,
                 const PictureLimit& limit);

#endif // LAUNCHER_PANEL_PICTUREFILE_H
