#include "models/BodyModels.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/Angles.h"
#include "core/Body.h"
#include "core/Files.h"
#include "core/Log.h"
#include "core/Prompter.h"
#include "core/Rings.h"
#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "render/MediaFiles.h"
#include "render/TextureLoader.h"

BodyModels::BodyModels(Simulation& sim, TextureDevice& device, const SettingsStore& settings)
    : sim_(sim), device_(device), meshes_(device.scene()) {
    ReadSettings(settings);
    sim_.setModelManager(this);
}

BodyModels::~BodyModels() {
    for (Body* body : sim_.bodies()) UnloadModel(*body);
    if (meshes_.created()) meshes_.Release();
    sim_.setModelManager(nullptr);
}

void BodyModels::ReadSettings(const SettingsStore& settings) {
    detailLevel = settings.get(settings::DetailLevel);
    mipmapAutoGenerate = settings.get(settings::MipmapAutoGenerate);
}

void BodyModels::ScanTextures(Body& body) {
    if (body.model.scanned) return;
    body.model.availableTextures = FindNumberedFiles(Services::instance().mediaDirectory(),
                                                     body.name(), QStringLiteral("bmp"));
    body.model.scanned = true;
}

void BodyModels::UnloadModel(Body& body) {
    BodyModel& m = body.model;
    if (m.mesh) {
        body.frame()->deleteVisual(m.mesh.get());
        m.mesh.reset();
        Log("Unloaded model (%d) for %s", int(m.level), qUtf8Printable(body.name()));
    }
    m.level = BodyModel::kNone;
    m.textureIndex = -1;
    memory_.total -= m.bytes;
    m.bytes = 0;
    m.userModel = false;
}

int BodyModels::DetailLevelFor(double ratio) {
    return ratio > 5000 ? 2 : ratio > 300 ? 1 : 0;
}

int BodyModels::WantedTextureIndex(double ratio, bool mipmapAuto) {
    if (mipmapAuto) return ratio > 300 ? 9 : 0;
    if (ratio < 9) return 0;
    if (ratio < 20) return 1;
    if (ratio < 35) return 2;
    if (ratio < 65) return 3;
    return 9;
}

int BodyModels::ChooseTextureIndex(int wanted, int detail, const std::vector<int>& available) {
    if (wanted < 0) return -1;
    wanted = std::max(wanted, detail);
    int above = -1, below = -1;
    for (int index : available) {
        if (index == wanted) return index;
        if (index > wanted && (above < 0 || index < above)) above = index;
        if (index < wanted && index > below) below = index;
    }
    return above >= 0 ? above : below;
}

std::shared_ptr<scene::Texture> BodyModels::LoadTexture(const QString& file) {
    return ::LoadTexture(file, device_);
}

void BodyModels::ApplyTexture(Body& body, const QString& textureFile) {
    if (!body.model.mesh) return;
    body.model.mesh->setColour(0xFFFFFFFFu);
    SphereMesh wrapper{body.model.mesh, QString(), false};
    if (!ApplyCylinderWrap(wrapper, textureFile, device_, meshes_))
        ShowInOwnColour(body, *wrapper.mesh, body.model.level, textureFile);
    if (wrapper.mesh != body.model.mesh) {
        body.frame()->deleteVisual(body.model.mesh.get());
        body.model.mesh = wrapper.mesh;
        body.frame()->addVisual(body.model.mesh);
    }
}

void BodyModels::Attach(Body& body, SphereMesh&& model, int level) {
    body.model.mesh = model.mesh;
    if (body.material())
        for (int g = 0; g < model.mesh->groupCount(); ++g)
            model.mesh->setGroupMaterial(g, body.material());
    body.frame()->addVisual(model.mesh);
    body.model.level = static_cast<std::uint8_t>(level);
    body.AfterModelLoad(*model.mesh, level);
}

void BodyModels::SelectModel(Body& body, double ratio) {
    BodyModel& m = body.model;
    if (m.userModel) return;
    // Far off, only planets and the Sun keep a model; moons, rings and air are dropped.
    const bool minor = body.Kind() != BodyKind::Sun && body.Kind() != BodyKind::Planet;
    if (ratio > 10000 && minor) {
        UnloadModel(body);
        return;
    }
    ScanTextures(body);
    const int level = DetailLevelFor(ratio);
    const int t = ChooseTextureIndex(WantedTextureIndex(ratio, mipmapAutoGenerate), detailLevel,
                                     m.availableTextures);
    if (level == m.level && t == m.textureIndex) return;
    if (m.level != BodyModel::kNone) UnloadModel(body);

    const QString name = body.name();
    const QString textureFile = name + QString::number(t) + QStringLiteral(".bmp");
    const QString meshFile = name + QString::number(level) + QStringLiteral(".obj");
    const auto& radii = body.radii();
    std::optional<SphereMesh> model;
    if (body.Kind() == BodyKind::Rings) {
        model = RingModel(body, level, t);
    } else if (SphereMesh loaded; LoadBodyMesh(loaded, meshFile)) {
        loaded.mesh->setColour(0xFFFFFFFFu);
        ScaleMeshTo(*loaded.mesh, radii[0], radii[1], radii[2]);
        Log("Loaded model (%d) for %s", level, qUtf8Printable(name));
        body.model.mesh = loaded.mesh;
        if (MediaFileExists(textureFile)) {
            m.bytes = FileSize(MediaPath(textureFile));
            memory_.add(m.bytes);
            ApplyTexture(body, textureFile);
            Log("Loaded texture (%d) for %s", t, qUtf8Printable(name));
        } else if (body.IsSolid()) {
            body.model.mesh->setColour(scene::ArgbFromBgr(body.colour(level)));
        }
        m.textureIndex = t;
        model = SphereMesh{body.model.mesh, meshFile, false};
    } else if (t >= 0 && MediaFileExists(textureFile)) {
        model = meshes_.GetTexturedSphere(level, textureFile, device_);
        if (model && !model->textured) ShowInOwnColour(body, *model->mesh, level, textureFile);
        if (model) {
            m.bytes = FileSize(MediaPath(textureFile));
            memory_.add(m.bytes);
            m.textureIndex = t;
            Log("Loaded default model (%d) for %s. Used texture %d", level, qUtf8Printable(name),
                t);
            ScaleMeshTo(*model->mesh, radii[0], radii[1], radii[2]);
        }
    } else {
        model = meshes_.GetPlainSphere(level);
        if (model) {
            model->mesh->setName(QStringLiteral("Plain sphere ") + name);
            if (body.IsSolid()) model->mesh->setColour(scene::ArgbFromBgr(body.colour(level)));
            Log("Loaded default model (%d) for %s, no texture present", level,
                qUtf8Printable(name));
            ScaleMeshTo(*model->mesh, radii[0], radii[1], radii[2]);
        }
    }
    if (model && model->mesh) Attach(body, std::move(*model), level);
}

void BodyModels::ShowInOwnColour(Body& body, scene::Mesh& mesh, int level,
                                 const QString& pictureFile) {
    if (body.IsSolid()) mesh.setColour(scene::ArgbFromBgr(body.colour(level)));
    ReportUnreadablePicture(body, pictureFile);
}

void BodyModels::ReportUnreadablePicture(const Body& body, const QString& pictureFile) {
    Log("Could not read the picture %s; %s is shown in its own colour", qUtf8Printable(pictureFile),
        qUtf8Printable(body.name()));
    if (toldOfUnreadablePicture_) return;
    toldOfUnreadablePicture_ = true;
    ShowError(QStringLiteral("The picture %1 could not be read, so %2 is shown in its own colour "
                             "instead. Pictures that cannot be read are listed in the log file.")
                  .arg(pictureFile, body.name()),
              QStringLiteral("OE"));
}

bool BodyModels::LoadBodyMesh(SphereMesh& loaded, const QString& meshFile) {
    if (!MediaFileExists(meshFile)) return false;
    // A file that failed is not tried again (nor reported again) until it changes; the body
    // has its default sphere meanwhile.
    const QFileInfo info(MediaPath(meshFile));
    const QString stamp = info.lastModified().toString(Qt::ISODateWithMs) + QLatin1Char('/') +
                          QString::number(info.size());
    const auto failed = failedMeshes_.find(meshFile);
    if (failed != failedMeshes_.end() && failed->second == stamp) return false;
    if (LoadMeshFile(loaded, meshFile, false, 1.0, scene::Quality::GouraudLit, device_.scene())) {
        if (failed != failedMeshes_.end()) failedMeshes_.erase(failed);
        return true;
    }
    failedMeshes_[meshFile] = stamp;
    Log("Could not load the model %s; the default model is used instead", qUtf8Printable(meshFile));
    return false;
}

bool BodyModels::LoadUserModel(Body& body, int level, const QString& textureFile) {
    UnloadModel(body);
    auto model = meshes_.GetTexturedSphere(level, textureFile, device_);
    if (!model) return false;
    if (!model->textured) ShowInOwnColour(body, *model->mesh, level, textureFile);
    const auto& radii = body.radii();
    ScaleMeshTo(*model->mesh, radii[0], radii[1], radii[2]);
    body.model.bytes = std::max<qint64>(0, FileSize(MediaPath(textureFile)));
    memory_.add(body.model.bytes);
    Attach(body, std::move(*model), level);
    return true;
}

std::optional<SphereMesh> BodyModels::RingModel(Body& body, int level, int textureIndex) {
    auto* rings = dynamic_cast<Rings*>(&body);
    if (!rings) return std::nullopt;
    const int segments = level == 0 ? 256 : level == 1 ? 128 : 48;
    const double inner = rings->innerRadius() * kSceneScale,
                 outer = rings->outerRadius() * kSceneScale;
    auto mesh = device_.scene().createMesh();
    std::vector<scene::Vertex> v;
    for (int side = 0; side < 2; ++side) {
        const float ny = side == 0 ? 1.f : -1.f;
        for (int i = 0; i < segments; ++i) {
            const double a0 = 2 * kPi * i / segments, a1 = 2 * kPi * (i + 1) / segments;
            auto vertex = [&](double r, double a, float u, float vv) {
                scene::Vertex out;
                out.x = float(r * std::cos(a));
                out.z = float(r * std::sin(a));
                out.ny = ny;
                out.u = u;
                out.v = vv;
                return out;
            };
            const float v0 = float(i) / segments, v1 = float(i + 1) / segments;
            scene::Vertex quad[4] = {vertex(inner, a0, 0.f, v0), vertex(outer, a0, 1.f, v0),
                                     vertex(outer, a1, 1.f, v1), vertex(inner, a1, 0.f, v1)};
            // Clockwise seen from above for the top face, the other way round underneath.
            if (side == 0) std::swap(quad[1], quad[3]);
            v.insert(v.end(), quad, quad + 4);
        }
    }
    std::vector<unsigned> indices(v.size());
    std::iota(indices.begin(), indices.end(), 0u);
    const int group = mesh->addGroup(static_cast<int>(v.size()), static_cast<int>(v.size() / 4), 4,
                                     indices.data());
    mesh->setVertices(group, 0, static_cast<int>(v.size()), v.data());
    mesh->setName(QStringLiteral("Rings: ") + body.name());
    const QString file = body.name() + QString::number(textureIndex) + QStringLiteral(".bmp");
    QImage picture(MediaPath(file));
    if (textureIndex >= 0 && !picture.isNull()) {
        // The picture holds colour times opacity over black: its brightness is its opacity.
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const int a = std::max({qRed(row[x]), qGreen(row[x]), qBlue(row[x])});
                row[x] = a == 0 ? qRgba(0, 0, 0, 0)
                                : qRgba(qRed(row[x]) * 255 / a, qGreen(row[x]) * 255 / a,
                                        qBlue(row[x]) * 255 / a, a);
            }
        }
        auto texture = TextureFromSurface(device_.scene(), Surface(picture));
        texture->setName(QStringLiteral("Tex: ") + file);
        mesh->setGroupTexture(group, texture);
        body.model.bytes = FileSize(MediaPath(file));
        memory_.add(body.model.bytes);
        body.model.textureIndex = textureIndex;
        Log("Loaded default model (%d) for %s. Used texture %d", level, qUtf8Printable(body.name()),
            textureIndex);
    } else {
        if (textureIndex >= 0 && MediaFileExists(file)) ReportUnreadablePicture(body, file);
        mesh->setColour(scene::ArgbFromBgr(body.colour(level) & 0x00FFFFFFu) | 0xB0000000u);
        Log("Loaded default model (%d) for %s, no texture present", level,
            qUtf8Printable(body.name()));
    }
    return SphereMesh{mesh, QString(), false};
}
