#pragma once

#include "core/rtf/documentrtf.h"

#include <QByteArray>

// The RTF text of a letter: plain ASCII, the characters of Windows-1252 written as \'hh and
// every other character as \uN?, so that any word processor reads it back.
QByteArray ecritRtf(const TDocumentRtf& document);
