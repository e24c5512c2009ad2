#pragma once

#include "settings/settingcodes.h"
#include "settings/versionfile.h"

#include <QString>

#include <span>

namespace kordavel {

// A kind of vehicle-unit data the device downloads, asked for by one box of
// the download page.
struct DownloadItem
{
    DownloadBox box;
    Layout firstLayout; // the first TQ configuration layout whose file holds it
    // Its name in a standard file and in the record ("activities", ...); null
    // for the overview, which is always downloaded and never set.
    const char *key;
    const char *caption; // the box's caption, "&&" for "&"; a language may shorten it
    // In full, as a sentence names it; a null source for the overview.
    struct
    {
        const char *source;
        const char *comment; // tells it from a caption of the same English text
    } name;
    const char *term; // the box's tooltip: the regulation's term, or where the data comes from
};

// The items a standard may switch on: all but the overview. Their order is
// the order in which a standard file and the record list their keys, which
// files already written rely on.
std::span<const DownloadItem> settableDownloadItems();
// Whether box asks for a download a standard may switch on.
bool isSettableDownload(DownloadBox box);
// The item a box asks for; nullptr for a box that asks for none (the card
// download date, the start and end dates).
const DownloadItem *downloadItemOf(DownloadBox box);

// An item's texts in the user's language.
QString captionOf(const DownloadItem &item);
QString nameOf(const DownloadItem &item);
QString termOf(const DownloadItem &item);

} // namespace kordavel
