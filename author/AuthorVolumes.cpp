#include "author/AuthorVolumes.h"

#include "author/DiscProject.h"

#include <algorithm>

void WriteVolumes(const QString& disc, const std::vector<TVolumeProposal>& volumes,
                  const QString& parent) {
    for (const TVolumeProposal& volume : volumes) {
        TDiscProject part;
        part.Open(disc);
        for (int i = part.Count() - 1; i >= 0; --i)
            if (std::find(volume.Records.begin(), volume.Records.end(), i) == volume.Records.end())
                part.RemoveRecords(i, 1);
        part.SetVolume(volume.Volume);
        part.SaveAs(parent + QStringLiteral("/VOLUME%1").arg(volume.Volume));
    }
}
