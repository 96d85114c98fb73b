#include "core/Simulation.h"

#include <QDate>
#include <QFile>
#include <QTime>
#include <algorithm>
#include <cmath>

#include "core/Atmosphere.h"
#include "core/Body.h"
#include "core/BodyCatalogue.h"
#include "core/BodyPoints.h"
#include "core/Files.h"
#include "core/Log.h"
#include "core/Luna.h"
#include "core/Moon.h"
#include "core/PlanetEarth.h"
#include "core/Planetoid.h"
#include "core/Rings.h"
#include "core/Services.h"
#include "core/SettingsStore.h"

namespace {
constexpr double kLightRange = 24534400.0;
constexpr double kEarthAirKm = 125.0;
constexpr std::uint32_t kEarthAirColour = 0xFF0000u;
constexpr int kSaturn = 5;  // in the planet list, Mercury 0
}  // namespace

Simulation::Simulation(SettingsStore& settings, std::function<SimTime()> wallClock)
    : settings_(settings), clock_(std::move(wallClock)) {
    epochs_.fill();
    if (settings_.get(settings::PreciseEphemeris)) requestedModel_ = EphemerisModel::Precise;
}

Simulation::~Simulation() {
    DestroySolarSystem();
}

bool Simulation::AddBody(std::unique_ptr<Body> body) {
    if (!body || bodyCount() >= kMaxBodies) return false;
    bodies_.push_back(std::move(body));
    return true;
}

Body* Simulation::FindBody(const QString& name) const {
    for (Body* body : bodies())
        if (body->name().compare(name, Qt::CaseInsensitive) == 0) return body;
    return nullptr;
}

bool Simulation::BuildSolarSystem() {
    const bool showSmallMoons = settings_.get(settings::ShowSmallMoons);
    Log("Loading default models");
    built_ = true;
    if (models_) models_->CreateDefaultMeshes();
    epochs_.fill();
    BuildStarVisual();
    BuildSun();
    // New bodies start on their elements; the first update brings them to the chosen model.
    model_ = EphemerisModel::Elements;
    BuildPlanets();
    BuildMoons(showSmallMoons);
    Log("Adding Atmospheres");
    AddBody(CreateBody<Atmosphere>(wallNow(), bodyScene(), earth(), kEarthAirKm, kEarthAirColour));
    BuildSunGlow();
    BuildLights();
    ChooseModel(*sun_);
    sun_->frame()->addLight(sunshine_);
    sun_->frame()->addLight(ambient_);
    ReadShortTexts(Services::instance().dataDirectory() + QStringLiteral("OVShorts.dat"));
    ReadObserverAndClock();
    const SimTime t = SimNow();
    UpdateBodies(t);
    camera_.lastTickTime = t;
    // Kept from the first versions: the Earth stands at the evening before its rotation
    // epoch until the first update step, which every window runs before it draws.
    earth()->Update(MakeSimTime(1997, 12, 21, 19, 0, 0));
    return true;
}

void Simulation::BuildStarVisual() {
    auto visual = scene_.createUserVisual(starFieldCallback);
    visual->setName(scene::SceneName(QStringLiteral("UV:"), QStringLiteral("Stars")));
    auto frame = scene_.createFrame(scene_.root().get());
    frame->setName(scene::SceneName(QStringLiteral("Frame:"), QStringLiteral("Stars")));
    frame->addVisual(visual);
    // Bodies too small to show a disc, as points among the stars; after the stars, so that
    // they lie over them.
    auto points = scene_.createUserVisual([this](scene::UserVisualContext& context) {
        BodyPoints::Draw(*this, context);
        return true;
    });
    points->setName(scene::SceneName(QStringLiteral("UV:"), QStringLiteral("BodyPoints")));
    frame->addVisual(points);
}

void Simulation::BuildSun() {
    Log("Initialising Sun");
    auto sun = std::make_unique<Body>(bodyScene(), QString::fromLatin1(BodyCatalogue::kSunName),
                                      BodyCatalogue::kSunColour, 0.0);
    sun_ = sun.get();
    Log("Moving sun to centre of Solar System");
    PlaceBody(*sun_, {}, nullptr);
    Log("Scaling Sun to correct size");
    sun_->setRadii(BodyCatalogue::kSunRadius, BodyCatalogue::kSunRadius, BodyCatalogue::kSunRadius);
    Log("Turning on Sun - let there be light");
    auto material = scene_.createMaterial(0);
    material->setEmissive({0.99, 0.99, 0.7});
    material->setName(scene::SceneName(QStringLiteral("Material:"), QStringLiteral("Sunsurface")));
    sun_->setMaterial(material);
    AddBody(std::move(sun));
}

void Simulation::BuildPlanets() {
    Log("Initialising planets");
    const auto& info = BodyCatalogue::Planets();
    const auto elements = ElementTable::Planets();
    for (int i = 0; i < ElementTable::kPlanetCount; ++i) {
        const PlanetInfo& p = info[static_cast<std::size_t>(i)];
        const OrbitalElements& e = elements[static_cast<std::size_t>(i)];
        std::unique_ptr<Planetoid> planet =
            i == ElementTable::kEarth
                ? CreateBody<PlanetEarth>(wallNow(), bodyScene(), QString::fromLatin1(p.name),
                                          p.colour, p.equatorialRadius, p.polarRadius, e,
                                          epochs_.at(e.epochIndex), sun_)
                : CreateBody<Planetoid>(wallNow(), bodyScene(), QString::fromLatin1(p.name),
                                        p.colour, p.equatorialRadius, p.polarRadius, e,
                                        epochs_.at(e.epochIndex), sun_);
        planet->SetPreciseTheory(i);
        planets_[static_cast<std::size_t>(i)] = planet.get();
        AddBody(std::move(planet));
    }
}

void Simulation::BuildMoons(bool showSmallMoons) {
    Log("Initialising Moon");
    const double r = BodyCatalogue::kMoonRadius;
    auto luna =
        CreateBody<Luna>(wallNow(), bodyScene(), QString::fromLatin1(BodyCatalogue::kMoonName),
                         BodyCatalogue::kMoonColour, r, r, r, ElementTable::Luna(),
                         epochs_.at(ElementTable::Luna().epochIndex), earth());
    moon_ = luna.get();
    AddBody(std::move(luna));

    Log("Initialising Martian moons");
    const auto& info = BodyCatalogue::Moons();
    const auto elements = ElementTable::Moons();
    for (std::size_t i = 0; i < info.size(); ++i) {
        const MoonInfo& m = info[i];
        if (m.small && !showSmallMoons) continue;
        Body* parent = planet(ElementTable::MoonParent(static_cast<int>(i)));
        AddBody(CreateBody<Moon>(wallNow(), bodyScene(), QString::fromLatin1(m.name), m.colour,
                                 m.rx, m.ry, m.rz, elements[i], epochs_.at(elements[i].epochIndex),
                                 parent));
    }

    Log("Adding Saturn's rings");
    auto rings =
        CreateBody<Rings>(wallNow(), bodyScene(), QString::fromLatin1(BodyCatalogue::kRingsName),
                          planet(kSaturn), BodyCatalogue::kRingsInnerRadius,
                          BodyCatalogue::kRingsOuterRadius, BodyCatalogue::kRingsColour);
    rings_ = rings.get();
    AddBody(std::move(rings));
}

void Simulation::BuildSunGlow() {
    if (!models_) return;
    auto glow = models_->LoadTexture(QStringLiteral("SunShine.bmp"));
    if (!glow) return;
    glow->setDecalScale(true);
    glow->setDecalTransparency(true);
    glow->setDecalOrigin(128, 128);
    glow->setDecalSize(24000, 24000);
    sun_->frame()->addVisual(glow);
    glow->setName(scene::SceneName(QStringLiteral("Decal:"), QStringLiteral("Sunshine")));
}

void Simulation::BuildLights() {
    Log("Adding Sunshine");
    sunshine_ = scene_.createLight(scene::LightType::ParallelPoint, {1.0, 1.0, 0.9});
    sunshine_->setRange(kLightRange);
    sunshine_->setName(scene::SceneName(QStringLiteral("Light:"), QStringLiteral("Sunshine")));

    Log("Adding some ambient light");
    const int percent = settings_.get(settings::AmbientLight);
    const double level = percent * 0.01;
    ambient_ = scene_.createLight(scene::LightType::Ambient, {level, level, level});
    ambient_->setRange(kLightRange);
    ambient_->setName(scene::SceneName(QStringLiteral("Light:"), QStringLiteral("Ambient")));
}

void Simulation::ReadShortTexts(const QString& path) {
    QFile file(path);
    if (!IsRegularFile(path) || !file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    // Each body's text is gathered first and set once: appending to the body's own copy
    // line by line made start-up time grow with the square of the file.
    std::vector<QString> texts(bodies_.size());
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(1024));
        if (!line.startsWith(QLatin1Char('%'))) continue;
        const int second = static_cast<int>(line.indexOf(QLatin1Char('%'), 1));
        if (second < 0) continue;
        const QStringView name = QStringView(line).mid(1, second - 1);
        const auto at = std::find_if(bodies_.begin(), bodies_.end(), [&](const auto& b) {
            return b->name().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (at == bodies_.end()) continue;
        texts[static_cast<std::size_t>(at - bodies_.begin())] += QStringView(line).mid(second + 1);
    }
    for (std::size_t i = 0; i < bodies_.size(); ++i)
        if (!texts[i].isEmpty()) bodies_[i]->setShortText(bodies_[i]->shortText() + texts[i]);
}

void Simulation::ReadObserverAndClock() {
    observer_.latitude = settings_.get(settings::Latitude);
    observer_.longitude = settings_.get(settings::Longitude);
    const int zone = settings_.get(settings::Timezone);
    const int dst = settings_.get(settings::DST);
    observer_.locationName = settings_.get(settings::Location);
    observer_.zone = ZoneRules(settings_.get(settings::TimezoneName));
    SetTimeZone(zone, dst);
    const double offset = settings_.get(settings::TimeOffset);
    const int speed = settings_.get(settings::Speed);
    // An offset that would take the clock beyond the calendar the program covers
    // (1901-2099) is ignored.
    const SimTime start = wallNow() + offset;
    const bool inCalendar = std::isfinite(start) && start >= MakeSimTime(1901, 1, 1, 0, 0, 0) &&
                            start < MakeSimTime(2100, 1, 1, 0, 0, 0);
    clock_.start(inCalendar ? offset : 0.0, speed);
    observer_.FollowZone(SimNow());
}

void Simulation::DestroySolarSystem() {
    sunshine_.reset();
    ambient_.reset();
    camera_.modeBody = nullptr;
    camera_.nearestBody = nullptr;
    // In list order, each model first (it counts in the model memory), then the body.
    for (auto& body : bodies_) {
        if (models_) models_->UnloadModel(*body);
        body.reset();
    }
    bodies_.clear();
    sun_ = moon_ = rings_ = nullptr;
    planets_.fill(nullptr);
    // Only what was built is released, so destroying twice does no harm.
    if (built_ && models_) models_->ReleaseDefaultMeshes();
    built_ = false;
}

void Simulation::SetSimTime(SimTime t) {
    clock_.setTime(t);
    UpdateSimulation();
    if (hooks_.redrawSkyView) hooks_.redrawSkyView();
    if (hooks_.redrawMap) hooks_.redrawMap();
    if (hooks_.clearControlsInfo) hooks_.clearControlsInfo();
}

void Simulation::SetClockSpeed(int speed) {
    if (hooks_.clearControlsInfo) hooks_.clearControlsInfo();
    clock_.setSpeed(speed);
    if (hooks_.refreshCaption) hooks_.refreshCaption();
}

SimTime Simulation::LocalNow() const {
    const SimTime t = SimNow();
    return t + observer_.ZoneOffsetAt(t);
}

QString Simulation::ClockDisplayText() const {
    const SimTime t = SimNow();
    const CalendarRecord r = ToCalendarRecord(t + observer_.ZoneOffsetAt(t));
    const Locale& locale = Services::instance().locale();
    // A long place name is cut so that the date, time and zone stay on the status bar.
    constexpr qsizetype kNameChars = 40;
    QString name = observer_.locationName;
    if (name.size() > kNameChars) name = name.left(kNameChars - 1) + QChar(0x2026);
    return name + QStringLiteral("   ") + locale.FormatDate(r) +
           QStringLiteral(",   ") + locale.FormatTime(r, true) + QStringLiteral("    ") +
           observer_.ZoneTextAt(t);
}

void Simulation::UpdateSimulation() {
    const SimTime t = SimNow();
    observer_.FollowZone(t);
    if (cameraTicker_) {
        cameraTicker_->CameraTick(t);
        return;
    }
    UpdateBodies(t);
    camera_.lastTickTime = t;
}

void Simulation::UpdateBodies(SimTime t) {
    if (model_ != requestedModel_) {
        model_ = requestedModel_;
        for (auto& body : bodies_) body->SetEphemerisModel(model_);
    }
    // The Sun, first in the list, never moves.
    for (std::size_t i = 1; i < bodies_.size(); ++i) bodies_[i]->Update(t);
}

double DetailRatio(double ratio, const scene::Viewport& viewport) {
    // The distance ratio a camera would need to see the body as large on a 640-pixel-wide
    // view at zoom 1 (a field of 0.15 of the front distance either side), which the detail
    // steps were chosen for: zooming in or a wider window then loads finer maps.
    constexpr double kReferenceScale = 320.0 / 0.15;
    const double scale = viewport.projectionScale();
    if (!(scale > 0) || !std::isfinite(scale)) return ratio;
    return ratio * kReferenceScale / scale;
}

double Simulation::ChooseModel(Body& body) {
    const scene::Vec3 cameraAt = scene_.camera()->position(scene_.root().get());
    const scene::Vec3 bodyAt = body.frame()->position(scene_.root().get());
    const double d = scene::Length(bodyAt - cameraAt) * kKmPerSceneUnit;
    const double ratio = d / body.largestRadius();
    if (!(ratio > 1)) return 0;
    if (models_) models_->SelectModel(body, DetailRatio(ratio, scene_.viewport()));
    return d - body.largestRadius();
}
