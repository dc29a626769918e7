#pragma once

class QWidget;

namespace cubetimer {

// Makes the painted widgets readable by a screen reader: the time display as
// text, the cube pictures described in words. Safe to call more than once.
void InstallAccessibleViews();

// Makes a label that opens a web page read as a link.
void ExposeAsLink(QWidget* widget);

// Tells a screen reader that a painted widget's text or description changed.
void AnnounceNameChange(QWidget* widget);
void AnnounceDescriptionChange(QWidget* widget);

}  // namespace cubetimer
