#pragma once
// The size a dialog template asks for, read from the template's bytes as
// they are stored in a module's resources.

#include <cstddef>
#include <optional>

struct TemplateSize {
    int cx = 0;  // in the dialog units of the template's own font
    int cy = 0;
    bool operator==(const TemplateSize&) const = default;
};

// Reads both the classic and the extended template. Nothing for bytes too
// short to hold the size, or for a negative width or height.
std::optional<TemplateSize> ReadTemplateSize(const unsigned char* bytes, std::size_t size);
