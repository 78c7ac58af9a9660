///////////////////////////////////////////////////////////////////////////////
// Name:        panel/PictureFile.cpp
// Purpose:     Loading the pictures of the content, within a sound size
///////////////////////////////////////////////////////////////////////////////

#include "panel/PictureFile.h"

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/log.h>

#include <stdint.h>
#include <string.h>

namespace
{

// Enough for the PNG signature and image header, and for BMP's headers.
const size_t HEADER_LENGTH = 26;

unsigned long BigEndian32(const unsigned char* p)
{
    return (static_cast<unsigned long>(p[0]) << 24) |
           (static_cast<unsigned long>(p[1]) << 16) |
           (static_cast<unsigned long>(p[2]) << 8) | p[3];
}

unsigned long LittleEndian32(const unsigned char* p)
{
    return (static_cast<unsigned long>(p[3]) << 24) |
           (static_cast<unsigned long>(p[2]) << 16) |
           (static_cast<unsigned long>(p[1]) << 8) | p[0];
}

unsigned LittleEndian16(const unsigned char* p)
{
    return (static_cast<unsigned>(p[1]) << 8) | p[0];
}

} // anonymous namespace

bool ReadPictureSize(const unsigned char* header, size_t length,
                     long long* width, long long* height)
{
    static const unsigned char PNG_SIGNATURE[] =
        { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' };
    if ( length >= 24 && memcmp(header, PNG_SIGNATURE, 8) == 0 &&
         memcmp(header + 12, "IHDR", 4) == 0 )
    {
        *width = BigEndian32(header + 16);
        *height = BigEndian32(header + 20);
        return true;
    }

    if ( length >= 26 && header[0] == 'B' && header[1] == 'M' )
    {
        if ( LittleEndian32(header + 14) == 12 )
        {
            // The old OS/2 header, with 16-bit sizes.
            *width = LittleEndian16(header + 18);
            *height = LittleEndian16(header + 20);
        }
        else
        {
            // Signed: a negative height stores the rows top down.
            *width = static_cast<int32_t>(LittleEndian32(header + 18));
            *height = static_cast<int32_t>(LittleEndian32(header + 22));
            if ( *width < 0 )
                *width = -*width;
            if ( *height < 0 )
                *height = -*height;
        }
        return true;
    }

    return false;
}

bool LoadPicture(wxImage& image, const wxString& path,
                 const PictureLimit& limit)
{
    // Reading a pipe or a device could wait for ever.
    if ( wxFileName::Exists(path) && !wxFileName::FileExists(path) )
    {
        wxLogError("The picture \"%s\" is not a regular file and is not "
                   "loaded.", path);
        return false;
    }

    unsigned char header[HEADER_LENGTH];
    size_t length = 0;
    {
        // Whatever goes wrong here, the load below reports it.
        wxLogNull noLog;
        wxFFile file(path, "rb");
        if ( file.IsOpened() )
            length = file.Read(header, sizeof(header));
    }

    long long width = 0, height = 0;
    if ( ReadPictureSize(header, length, &width, &height) &&
         (width > limit.side || height > limit.side ||
          width * height > limit.pixels) )
    {
        wxLogError("The picture \"%s\" is %lld x %lld pixels, larger than "
                   "can be shown, and is not loaded.", path, width, height);
        return false;
    }

    return image.LoadFile(path, wxBITMAP_TYPE_ANY, -1);
}
