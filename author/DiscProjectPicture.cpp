// The reverse of SetPicture, for the author window's undo.
#include "author/DiscProject.h"

void TDiscProject::ForgetPicture(const QString& mediaName) {
    // Pictures are keyed as SetPicture keys them.
    if (Pictures.remove(mediaName.toUpper()) > 0)
        Edited();
}
