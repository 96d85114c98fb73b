#include "models/DefaultMeshes.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>

#include "core/BodyPosition.h"
#include "core/Files.h"
#include "core/Log.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "render/MediaFiles.h"
#include "render/TextureLoader.h"

namespace {

void Name(const std::shared_ptr<scene::Mesh>& mesh, const char* name) {
    if (mesh) mesh->setName(scene::SceneName(QString::fromLatin1(name), QString()));
}

// Builds a texture's mipmaps, showing that the wait is on purpose.
void GenerateMipmaps(scene::Texture& texture, const QString& file, bool clearStatus) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Log("Generating mipmap for %s", qUtf8Printable(file));
    texture.generateMipmaps();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
    if (clearStatus)
        if (LogSink* status = Services::instance().logSink(LogSinkSlot::StatusBar))
            status->logLine(QString());
}

// Lays the whole picture on the mesh's first group; false when it could not be read.
bool ApplyWholeTexture(scene::Mesh& mesh, const QString& file, TextureDevice& device,
                       bool clearStatus) {
    auto texture = LoadTexture(file, device);
    if (!texture) return false;
    texture->setName(QStringLiteral("Tex: ") + file);
    if (device.mipmapAutoGenerate()) GenerateMipmaps(*texture, file, clearStatus);
    mesh.setGroupTexture(0, texture);
    return true;
}

}  // namespace

void DefaultMeshes::Create() {
    slots_[Hires] = MakeSinglePieceSphere(scene_, 2);
    Name(slots_[Hires], "Default mesh 0");
    slots_[FourPiece] = MakeFourPieceSphere(scene_, 2);
    Name(slots_[FourPiece], "Default mesh 1");
    slots_[SixteenPiece] = MakeSixteenPieceSphere(scene_, 3);
    Name(slots_[SixteenPiece], "Default mesh 2");
    slots_[SixtyFourPiece] = Make64PieceSphere(scene_, 3);
    Name(slots_[SixtyFourPiece], "Default mesh 3");
    slots_[Lowres] = MakeSinglePieceSphere(scene_, 1);
    Name(slots_[Lowres], "Default lowres mesh");
    slots_[RealLowres] = MakeSinglePieceSphere(scene_, 0);
    Name(slots_[RealLowres], "Default real lowres mesh");
}

void DefaultMeshes::Release() {
    for (auto& s : slots_) s.reset();
}

std::shared_ptr<scene::Mesh> DefaultMeshes::CloneMesh(Slot s) const {
    if (!slots_[s]) {
        LogToFile("CloneMesh failed: %s", "D3DRMERR_BADOBJECT");
        return nullptr;
    }
    return slots_[s]->clone();
}

std::optional<SphereMesh> DefaultMeshes::GetPlainSphere(int quality) const {
    const Slot s = quality == 1 ? Lowres : quality == 2 ? RealLowres : Hires;
    const char* kind = quality == 1 ? "lowres" : quality == 2 ? "real lowres" : "hires";
    auto mesh = CloneMesh(s);
    if (!mesh) return std::nullopt;
    mesh->setName(QStringLiteral("Mesh plain: ") + QLatin1String(kind));
    return SphereMesh{mesh, QString(), true};
}

std::optional<SphereMesh> DefaultMeshes::GetTexturedSphere(int quality, const QString& file,
                                                           TextureDevice& device) const {
    if (quality >= 1) {
        auto mesh = CloneMesh(quality == 1 ? Lowres : RealLowres);
        if (!mesh) return std::nullopt;
        mesh->setName(QStringLiteral("Mesh 1 piece: ") + file);
        return SphereMesh{mesh, QString(), true, ApplyWholeTexture(*mesh, file, device, true)};
    }
    const BmpHeader header = ReadBmpHeader(MediaPath(file));
    if (!header.ok) return GetPlainSphere(quality);
    const int M = device.maxTextureSize();
    const int W = header.width;
    if (M < W && W <= 8 * M) {
        const QImage bitmap(MediaPath(file));
        if (bitmap.isNull()) {
            LogToFile("Could not loadtexturebitmap %s", qUtf8Printable(file));
            return GetPlainSphere(quality);
        }
        const Slot s = W <= 2 * M ? FourPiece : W <= 4 * M ? SixteenPiece : SixtyFourPiece;
        const int pieces = s == FourPiece ? 2 : s == SixteenPiece ? 4 : 8;
        const char* prefix = s == FourPiece      ? "Mesh 4 piece: "
                             : s == SixteenPiece ? "Mesh 16 piece: "
                                                 : "Mesh 64 piece: ";
        auto mesh = CloneMesh(s);
        if (!mesh) return std::nullopt;
        mesh->setName(QLatin1String(prefix) + file);
        const auto textures = SplitIntoTextureGrid(
            Surface(bitmap.convertToFormat(QImage::Format_ARGB32)), pieces, M, device.scene());
        for (std::size_t i = 0; i < textures.size(); ++i) {
            textures[i]->setName(QStringLiteral("Tex%1:").arg(i) + file);
            if (device.mipmapAutoGenerate()) GenerateMipmaps(*textures[i], file, false);
            if (!mesh->setGroupTexture(static_cast<int>(i), textures[i]))
                LogToFile("SetGroupTexture failed on group %d: %s", int(i), "D3DRMERR_BADVALUE");
        }
        return SphereMesh{mesh, QString(), true, !textures.empty()};
    }
    auto mesh = CloneMesh(Hires);
    if (!mesh) return std::nullopt;
    mesh->setName(QStringLiteral("Mesh 1 piece: ") + file);
    return SphereMesh{mesh, QString(), true, ApplyWholeTexture(*mesh, file, device, false)};
}

void ScaleMeshTo(scene::Mesh& mesh, double rx, double ry, double rz) {
    const scene::Box box = mesh.boundingBox();
    auto factor = [](double r, double extent) {
        return extent > 0 ? 2 * r * kSceneScale / extent : 1.0;
    };
    mesh.scale(factor(rx, box.max.x - box.min.x), factor(ry, box.max.y - box.min.y),
               factor(rz, box.max.z - box.min.z));
}

bool ApplyCylinderWrap(SphereMesh& wrapper, const QString& file, TextureDevice& device,
                       const DefaultMeshes& meshes) {
    if (!wrapper.mesh) {
        AssertReport("Mesh", "Mesh Builder not exist", "D3DHelpers", 0);
        return false;
    }
    if (wrapper.isSphere) {
        const BmpHeader header = ReadBmpHeader(MediaPath(file));
        if (!header.ok) return false;
        if (device.maxTextureSize() < header.width) {
            const QImage bitmap(MediaPath(file));
            if (bitmap.isNull()) return false;
            auto mesh = MakeFourPieceSphere(device.scene(), 1);
            mesh->setName(QStringLiteral("Mesh 4 piece"));
            const auto textures =
                SplitIntoTextureGrid(Surface(bitmap.convertToFormat(QImage::Format_ARGB32)), 2,
                                     device.maxTextureSize(), device.scene());
            for (std::size_t i = 0; i < textures.size(); ++i) {
                textures[i]->setName(QStringLiteral("Tex:") + file);
                mesh->setGroupTexture(static_cast<int>(i), textures[i]);
            }
            wrapper.mesh = mesh;
            return !textures.empty();
        }
    }
    (void)meshes;
    auto texture = LoadTexture(file, device);
    if (!texture) return false;
    texture->setName(QStringLiteral("Tex for Cylinder Wrap"));
    for (int g = 0; g < wrapper.mesh->groupCount(); ++g) wrapper.mesh->setGroupTexture(g, texture);
    const scene::Box box = wrapper.mesh->boundingBox();
    const double h = box.max.y - box.min.y;
    if (!(h > 0)) return false;
    scene::Wrap::Parameters p;
    p.type = scene::Wrap::Type::Cylinder;
    p.direction = {0, 1, 0};
    p.up = {0, 0, 1};
    p.originU = 0.5;
    p.originV = box.min.y / h;
    p.scaleU = 1;
    p.scaleV = -1 / h;
    auto wrap = device.scene().createWrap(p);
    wrap->setName(QStringLiteral("Wrap"));
    if (!wrap->apply(*wrapper.mesh)) ReportError("Could not apply wrap %s", "D3DRMERR_BADVALUE");
    if (device.mipmapAutoGenerate()) texture->generateMipmaps();
    return true;
}
