#include "render/gl/GlSceneRenderer.h"

#include <QOpenGLContext>
#include <algorithm>
#include <cmath>

namespace {

// One source for both GLSL dialects: 3.30 core and 1.20.
QByteArray Header(bool core, bool fragment) {
    if (core)
        return fragment ? "#version 330 core\n#define VARY in\n#define TEX texture\nout vec4 "
                          "fragColour;\n#define FRAG fragColour\n"
                        : "#version 330 core\n#define ATTR in\n#define VARY out\n";
    return fragment ? "#version 120\n#define VARY varying\n#define TEX texture2D\n#define FRAG "
                      "gl_FragColor\n"
                    : "#version 120\n#define ATTR attribute\n#define VARY varying\n";
}

const char* kMeshVertex = R"(
ATTR vec3 aPos;
ATTR vec3 aNormal;
ATTR vec2 aUv;
uniform mat4 uModelView;
uniform mat3 uNormal;
uniform mat4 uProjection;
VARY vec3 vPos;
VARY vec3 vNormal;
VARY vec2 vUv;
VARY float vW;
void main() {
    vec4 p = uModelView * vec4(aPos, 1.0);
    vPos = p.xyz;
    vNormal = uNormal * aNormal;
    vUv = aUv;
    gl_Position = uProjection * p;
    vW = gl_Position.w;
}
)";

const char* kMeshFragment = R"(
VARY vec3 vPos;
VARY vec3 vNormal;
VARY vec2 vUv;
VARY float vW;
uniform vec4 uColour;
uniform sampler2D uTexture;
uniform bool uTextured;
uniform bool uLit;
uniform bool uFlat;
uniform vec3 uAmbient;
uniform vec3 uLightColour;
uniform vec3 uToLight;
uniform vec3 uEmissive;
uniform float uDepthCoefficient;
uniform bool uLimb;
void main() {
    vec3 n = normalize(vNormal);
    if (uFlat) {
        n = normalize(cross(dFdx(vPos), dFdy(vPos)));
        if (dot(n, vPos) > 0.0) n = -n;
    }
    vec3 light = uColour.rgb;
    if (uLit) light = uEmissive + uColour.rgb * (uAmbient + uLightColour * max(dot(n, uToLight), 0.0));
    vec4 c = vec4(clamp(light, 0.0, 1.0), uColour.a);
    if (uTextured) c *= TEX(uTexture, vUv);
    if (uLimb) {
        // The path through a thin shell grows as 1 / cos of the angle between the line of
        // sight and the surface normal; opacity follows the light absorbed along it.
        float mu = max(abs(dot(n, normalize(vPos))), 0.02);
        c.a = 1.0 - exp(-c.a / mu);
    }
    FRAG = c;
    gl_FragDepth = log2(max(1e-6, 1.0 + vW)) * uDepthCoefficient;
}
)";

const char* kFlatVertex = R"(
ATTR vec3 aPos;
ATTR vec4 aColour;
uniform mat4 uModelViewProjection;
VARY vec4 vColour;
VARY float vW;
void main() {
    vColour = aColour.zyxw;
    gl_Position = uModelViewProjection * vec4(aPos, 1.0);
    vW = gl_Position.w;
    gl_PointSize = 1.0;
}
)";

const char* kFlatFragment = R"(
VARY vec4 vColour;
VARY float vW;
uniform float uDepthCoefficient;
void main() {
    FRAG = vColour;
    gl_FragDepth = log2(max(1e-6, 1.0 + vW)) * uDepthCoefficient;
}
)";

// Pre-transformed vertices: x and y in pixels from the top left, z the depth (0..1).
const char* kScreenVertex = R"(
ATTR vec3 aPos;
ATTR vec4 aColour;
uniform vec2 uSize;
VARY vec4 vColour;
VARY float vDepth;
void main() {
    vColour = aColour.zyxw;
    vDepth = aPos.z;
    gl_Position = vec4((aPos.x + 0.5) / uSize.x * 2.0 - 1.0, 1.0 - (aPos.y + 0.5) / uSize.y * 2.0, 0.0, 1.0);
    gl_PointSize = 1.0;
}
)";

const char* kScreenFragment = R"(
VARY vec4 vColour;
VARY float vDepth;
void main() {
    FRAG = vColour;
    gl_FragDepth = vDepth;
}
)";

QVector3D ToQt(const scene::Vec3& v) {
    return QVector3D(float(v.x), float(v.y), float(v.z));
}

QVector4D Argb(std::uint32_t c) {
    return QVector4D(((c >> 16) & 0xFF) / 255.f, ((c >> 8) & 0xFF) / 255.f, (c & 0xFF) / 255.f,
                     ((c >> 24) & 0xFF) / 255.f);
}

struct StreamVertex {
    float x, y, z;
    std::uint32_t colour;
};

}  // namespace

QMatrix4x4 ToGl(const scene::Transform& t) {
    // Row vectors p' = p R + t become column vectors p' = R^T p + t.
    const scene::Mat3& r = t.rotation;
    return QMatrix4x4(float(r.r[0].x), float(r.r[1].x), float(r.r[2].x), float(t.translation.x),
                      float(r.r[0].y), float(r.r[1].y), float(r.r[2].y), float(t.translation.y),
                      float(r.r[0].z), float(r.r[1].z), float(r.r[2].z), float(t.translation.z), 0,
                      0, 0, 1);
}

struct GlSceneRenderer::Deferred {
    float depth;
    const scene::Visual* visual;
    int group;
    QMatrix4x4 toCamera;
};

// Lets a user visual draw points and lines while its frame is rendered.
class GlSceneRenderer::Sink : public scene::PrimitiveSink {
  public:
    Sink(GlSceneRenderer& r, const QMatrix4x4& toCamera) : r_(r), toCamera_(toCamera) {}
    void drawPoints(std::span<const scene::PrimitiveVertex> p) override { draw3d(p, GL_POINTS); }
    void drawLines(std::span<const scene::PrimitiveVertex> p) override { draw3d(p, GL_LINES); }
    void drawScreenPoints(std::span<const scene::PrimitiveVertex> p) override {
        drawScreen(p, GL_POINTS);
    }
    void drawScreenLines(std::span<const scene::PrimitiveVertex> p) override {
        drawScreen(p, GL_LINES);
    }

  private:
    void upload(std::span<const scene::PrimitiveVertex> p) {
        r_.glBindBuffer(GL_ARRAY_BUFFER, r_.scratch_);
        r_.glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(p.size_bytes()), p.data(), GL_STREAM_DRAW);
    }
    void bindAttributes(QOpenGLShaderProgram& program) {
        const int pos = program.attributeLocation("aPos"),
                  colour = program.attributeLocation("aColour");
        program.enableAttributeArray(pos);
        program.enableAttributeArray(colour);
        r_.glVertexAttribPointer(GLuint(pos), 3, GL_FLOAT, GL_FALSE, sizeof(scene::PrimitiveVertex),
                                 nullptr);
        r_.glVertexAttribPointer(GLuint(colour), 4, GL_UNSIGNED_BYTE, GL_TRUE,
                                 sizeof(scene::PrimitiveVertex), reinterpret_cast<void*>(12));
    }
    void draw3d(std::span<const scene::PrimitiveVertex> p, GLenum mode) {
        if (p.empty()) return;
        upload(p);
        r_.flatProgram_.bind();
        r_.flatProgram_.setUniformValue("uModelViewProjection", r_.projection_ * toCamera_);
        r_.flatProgram_.setUniformValue("uDepthCoefficient", r_.depthCoefficient_);
        bindAttributes(r_.flatProgram_);
        r_.glDrawArrays(mode, 0, GLsizei(p.size()));
        unbind(r_.flatProgram_);
    }
    void unbind(QOpenGLShaderProgram& program) {
        program.disableAttributeArray("aPos");
        program.disableAttributeArray("aColour");
    }
    void drawScreen(std::span<const scene::PrimitiveVertex> p, GLenum mode) {
        if (p.empty()) return;
        upload(p);
        r_.screenProgram_.bind();
        r_.screenProgram_.setUniformValue("uSize", QVector2D(float(r_.width_), float(r_.height_)));
        bindAttributes(r_.screenProgram_);
        r_.glDrawArrays(mode, 0, GLsizei(p.size()));
        unbind(r_.screenProgram_);
    }
    GlSceneRenderer& r_;
    QMatrix4x4 toCamera_;
};

GlSceneRenderer::GlSceneRenderer() = default;
GlSceneRenderer::~GlSceneRenderer() = default;

bool GlSceneRenderer::initialise() {
    if (initialised_) return true;
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context) {
        error_ = QStringLiteral("no current OpenGL context");
        return false;
    }
    initializeOpenGLFunctions();
    const QSurfaceFormat f = context->format();
    core_ = !context->isOpenGLES() && f.version() >= qMakePair(3, 3);
    if (!buildPrograms()) return false;
    vao_.create();
    glGenBuffers(1, &scratch_);
    initialised_ = true;
    return true;
}

bool GlSceneRenderer::buildPrograms() {
    auto build = [&](QOpenGLShaderProgram& p, const char* vs, const char* fs) {
        const bool ok =
            p.addShaderFromSourceCode(QOpenGLShader::Vertex, Header(core_, false) + vs) &&
            p.addShaderFromSourceCode(QOpenGLShader::Fragment, Header(core_, true) + fs) &&
            p.link();
        if (!ok) error_ = p.log();
        return ok;
    };
    return build(meshProgram_, kMeshVertex, kMeshFragment) &&
           build(flatProgram_, kFlatVertex, kFlatFragment) &&
           build(screenProgram_, kScreenVertex, kScreenFragment);
}

void GlSceneRenderer::releaseResources() {
    if (!initialised_) return;
    for (auto& [serial, mesh] : meshes_)
        for (auto& g : mesh.groups) glDeleteBuffers(1, &g.vbo);
    for (auto& [serial, texture] : textures_) glDeleteTextures(1, &texture.id);
    meshes_.clear();
    textures_.clear();
    glDeleteBuffers(1, &scratch_);
    if (background_) glDeleteTextures(1, &background_);
    background_ = 0;
    backgroundSize_ = QSize();
    vao_.destroy();
    meshProgram_.removeAllShaders();
    flatProgram_.removeAllShaders();
    screenProgram_.removeAllShaders();
    initialised_ = false;
}

bool GlSceneRenderer::clear() {
    if (!initialised_ && !initialise()) return false;
    // Errors left over from earlier calls are not this clear's (bounded: a lost context may
    // keep reporting).
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    glClearColor(0, 0, 0, 1);
    glDepthMask(GL_TRUE);
    glClearDepthf(1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (const GLenum code = glGetError(); code != GL_NO_ERROR) {
        error_ = QStringLiteral("OpenGL error 0x%1").arg(code, 4, 16, QLatin1Char('0'));
        return false;
    }
    return true;
}

void GlSceneRenderer::drawBackground(const QImage& picture) {
    if (picture.isNull() || (!initialised_ && !initialise())) return;
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!background_) glGenTextures(1, &background_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, background_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // The texture keeps its storage while the view keeps its size: only the pixels change.
    if (image.size() == backgroundSize_) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, image.width(), image.height(), GL_BGRA,
                        GL_UNSIGNED_BYTE, image.constBits());
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_BGRA,
                     GL_UNSIGNED_BYTE, image.constBits());
        backgroundSize_ = image.size();
    }
    // One texel to one pixel: no filtering, so single-pixel stars stay sharp.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

    // Two triangles over the whole view in clip coordinates; the first row of the picture
    // (v = 0) is the top of the view.
    scene::Vertex quad[6];
    const float xs[6] = {-1, -1, 1, -1, 1, 1}, ys[6] = {-1, 1, 1, -1, 1, -1};
    for (int i = 0; i < 6; ++i) {
        quad[i].x = xs[i], quad[i].y = ys[i], quad[i].z = 0;
        quad[i].nz = -1;
        quad[i].u = (xs[i] + 1) / 2, quad[i].v = (1 - ys[i]) / 2;
    }
    glViewport(0, 0, image.width(), image.height());
    if (vao_.isCreated()) vao_.bind();
    QOpenGLShaderProgram& p = meshProgram_;
    p.bind();
    p.setUniformValue("uModelView", QMatrix4x4());
    p.setUniformValue("uNormal", QMatrix3x3());
    p.setUniformValue("uProjection", QMatrix4x4());
    p.setUniformValue("uDepthCoefficient", 1.0f);
    p.setUniformValue("uColour", QVector4D(1, 1, 1, 1));
    p.setUniformValue("uLit", false);
    p.setUniformValue("uFlat", false);
    p.setUniformValue("uLimb", false);
    p.setUniformValue("uTextured", true);
    p.setUniformValue("uTexture", 0);
    glBindBuffer(GL_ARRAY_BUFFER, scratch_);
    glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STREAM_DRAW);
    BindVertexAttributes(true);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);  // premultiplied over the cleared black
    glDrawArrays(GL_TRIANGLES, 0, 6);
    BindVertexAttributes(false);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    if (vao_.isCreated()) vao_.release();
}

void GlSceneRenderer::setProjection(const scene::Viewport& viewport) {
    width_ = std::max(1, viewport.width());
    height_ = std::max(1, viewport.height());
    const float f = float(viewport.front()), b = float(viewport.back());
    const float sx = float(viewport.front() / viewport.field());
    const float sy = sx * float(width_) / float(height_);
    // Camera axes are left-handed with +z forward, like normalised device coordinates, so the
    // picture is not mirrored: x keeps its sign and w = z.
    projection_ = QMatrix4x4(sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, (b + f) / (b - f),
                             -2 * b * f / (b - f), 0, 0, 1, 0);
    depthCoefficient_ = 1.0f / std::log2(b + 1.0f);
}

void GlSceneRenderer::collectLights(const scene::Frame& frame, const QMatrix4x4& worldToCamera,
                                    std::vector<Light>& out) {
    for (const auto& light : frame.lights()) {
        const scene::Colour3& c = light->colour();
        out.push_back({light->type(), QVector3D(float(c.r), float(c.g), float(c.b)),
                       worldToCamera.map(ToQt(frame.worldTransform().translation))});
    }
    for (const auto& child : frame.children()) collectLights(*child, worldToCamera, out);
}

GlSceneRenderer::GpuMesh& GlSceneRenderer::meshFor(const scene::Mesh& mesh) {
    GpuMesh& gpu = meshes_[mesh.serial()];
    gpu.lastUsed = frames_;
    if (gpu.revision == mesh.revision()) return gpu;
    for (auto& g : gpu.groups) glDeleteBuffers(1, &g.vbo);
    gpu.groups.clear();
    for (int i = 0; i < mesh.groupCount(); ++i) {
        const auto& group = mesh.group(i);
        std::vector<scene::Vertex> triangles;
        const std::size_t n = std::size_t(group.vertexPerFace);
        for (std::size_t f = 0; f + n <= group.indices.size(); f += n)
            for (std::size_t k = 1; k + 1 < n; ++k)
                for (std::size_t corner : {std::size_t(0), k, k + 1})
                    triangles.push_back(group.vertices[group.indices[f + corner]]);
        GpuGroup g;
        glGenBuffers(1, &g.vbo);
        glBindBuffer(GL_ARRAY_BUFFER, g.vbo);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(triangles.size() * sizeof(scene::Vertex)),
                     triangles.data(), GL_STATIC_DRAW);
        g.vertexCount = int(triangles.size());
        gpu.groups.push_back(g);
    }
    gpu.revision = mesh.revision();
    return gpu;
}

GlSceneRenderer::GpuTexture& GlSceneRenderer::textureFor(const scene::Texture& texture,
                                                         bool mipmapFiltering) {
    auto it = textures_.find(texture.serial());
    const bool mipmaps = mipmapFiltering || texture.hasMipmaps();
    if (it != textures_.end() && it->second.mipmaps == mipmaps) {
        it->second.lastUsed = frames_;
        return it->second;
    }
    GpuTexture& gpu = textures_[texture.serial()];
    if (gpu.id) glDeleteTextures(1, &gpu.id);
    glGenTextures(1, &gpu.id);
    glBindTexture(GL_TEXTURE_2D, gpu.id);
    const auto& image = texture.image();
    if (image && !image->isNull()) {
        gpu.translucent = std::any_of(image->pixels.begin(), image->pixels.end(),
                                      [](std::uint32_t p) { return (p >> 24) != 0xFF; });
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image->width, image->height, 0, GL_BGRA,
                     GL_UNSIGNED_BYTE, image->pixels.data());
    }
    if (mipmaps) glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    mipmaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    gpu.mipmaps = mipmaps;
    gpu.lastUsed = frames_;
    return gpu;
}

void GlSceneRenderer::BindVertexAttributes(bool on) {
    QOpenGLShaderProgram& p = meshProgram_;
    const int pos = p.attributeLocation("aPos"), normal = p.attributeLocation("aNormal"),
              uv = p.attributeLocation("aUv");
    if (!on) {
        p.disableAttributeArray(pos);
        p.disableAttributeArray(normal);
        p.disableAttributeArray(uv);
        return;
    }
    p.enableAttributeArray(pos);
    p.enableAttributeArray(normal);
    p.enableAttributeArray(uv);
    glVertexAttribPointer(GLuint(pos), 3, GL_FLOAT, GL_FALSE, sizeof(scene::Vertex), nullptr);
    glVertexAttribPointer(GLuint(normal), 3, GL_FLOAT, GL_FALSE, sizeof(scene::Vertex),
                          reinterpret_cast<void*>(12));
    glVertexAttribPointer(GLuint(uv), 2, GL_FLOAT, GL_FALSE, sizeof(scene::Vertex),
                          reinterpret_cast<void*>(24));
}

bool GlSceneRenderer::groupTranslucent(const scene::Mesh::Group& g, bool mipmapFiltering) {
    if ((g.colour >> 24) != 0xFF) return true;
    return g.texture && textureFor(*g.texture, mipmapFiltering).translucent;
}

void GlSceneRenderer::drawMeshGroup(const scene::Mesh& mesh, int index, const QMatrix4x4& toCamera,
                                    const RenderSettings& settings) {
    const GpuMesh& gpu = meshFor(mesh);
    if (index >= int(gpu.groups.size()) || gpu.groups[std::size_t(index)].vertexCount == 0) return;
    const auto& group = mesh.group(index);
    // The device's quality caps the group's: it never draws better than it was set to.
    const std::uint32_t quality = std::min(group.quality & scene::Quality::ShadeMask,
                                           settings.quality & scene::Quality::ShadeMask) |
                                  (group.quality & settings.quality & scene::Quality::LightMask);
    QOpenGLShaderProgram& p = meshProgram_;
    p.bind();
    p.setUniformValue("uModelView", toCamera);
    p.setUniformValue("uNormal", toCamera.normalMatrix());
    p.setUniformValue("uProjection", projection_);
    p.setUniformValue("uDepthCoefficient", depthCoefficient_);
    p.setUniformValue("uColour", Argb(group.colour));
    p.setUniformValue("uLit", (quality & scene::Quality::LightMask) != 0);
    p.setUniformValue("uFlat", (quality & scene::Quality::ShadeMask) == scene::Quality::ShadeFlat);
    p.setUniformValue("uLimb", (group.quality & scene::Quality::LimbOpacity) != 0);
    const scene::Colour3 e = group.material ? group.material->emissive() : scene::Colour3{};
    p.setUniformValue("uEmissive", QVector3D(float(e.r), float(e.g), float(e.b)));
    QVector3D ambient, lightColour, toLight;
    const QVector3D origin = toCamera.map(QVector3D());
    for (const Light& l : lights_) {
        if (l.type == scene::LightType::Ambient) {
            ambient += l.colour;
        } else if (lightColour.isNull()) {
            // A parallel-point light shines from its position towards the object's centre.
            // An object at the light itself (the Sun) gets no direction: only its own glow.
            const QVector3D d = l.cameraPosition - origin;
            if (d.lengthSquared() > 1e-12f) {
                lightColour = l.colour;
                toLight = d.normalized();
            }
        }
    }
    p.setUniformValue("uAmbient", ambient);
    p.setUniformValue("uLightColour", lightColour);
    p.setUniformValue("uToLight", toLight);
    p.setUniformValue("uTextured", bool(group.texture));
    if (group.texture) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, textureFor(*group.texture, settings.mipmapFiltering).id);
        p.setUniformValue("uTexture", 0);
    }
    glBindBuffer(GL_ARRAY_BUFFER, gpu.groups[std::size_t(index)].vbo);
    BindVertexAttributes(true);
    glDrawArrays(GL_TRIANGLES, 0, gpu.groups[std::size_t(index)].vertexCount);
    BindVertexAttributes(false);
}

void GlSceneRenderer::drawDecal(const scene::Texture& texture, const QMatrix4x4& toCamera) {
    const QVector3D c = toCamera.map(QVector3D());
    if (c.z() <= 0 || texture.width() <= 0 || texture.height() <= 0) return;
    const float w = float(texture.decalWidth()), h = float(texture.decalHeight());
    const float left = c.x() - float(texture.decalOriginX()) / texture.width() * w;
    const float top = c.y() + float(texture.decalOriginY()) / texture.height() * h;
    scene::Vertex quad[6];
    const float xs[6] = {left, left, left + w, left, left + w, left + w};
    const float ys[6] = {top - h, top, top, top - h, top, top - h};
    const float us[6] = {0, 0, 1, 0, 1, 1}, vs[6] = {1, 0, 0, 1, 0, 1};
    for (int i = 0; i < 6; ++i) {
        quad[i].x = xs[i], quad[i].y = ys[i], quad[i].z = c.z();
        quad[i].nz = -1;
        quad[i].u = us[i], quad[i].v = vs[i];
    }
    QOpenGLShaderProgram& p = meshProgram_;
    p.bind();
    p.setUniformValue("uModelView", QMatrix4x4());
    p.setUniformValue("uNormal", QMatrix3x3());
    p.setUniformValue("uProjection", projection_);
    p.setUniformValue("uDepthCoefficient", depthCoefficient_);
    p.setUniformValue("uColour", QVector4D(1, 1, 1, 1));
    p.setUniformValue("uLit", false);
    p.setUniformValue("uFlat", false);
    p.setUniformValue("uLimb", false);
    p.setUniformValue("uTextured", true);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, textureFor(texture, false).id);
    p.setUniformValue("uTexture", 0);
    glBindBuffer(GL_ARRAY_BUFFER, scratch_);
    glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STREAM_DRAW);
    BindVertexAttributes(true);
    glBlendFunc(texture.decalTransparency() ? GL_ONE : GL_SRC_ALPHA,
                texture.decalTransparency() ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    BindVertexAttributes(false);
}

void GlSceneRenderer::drawFrame(const scene::Frame& frame, const QMatrix4x4& toCamera,
                                const scene::Scene& scene, const RenderSettings& settings,
                                std::vector<Deferred>& deferred) {
    const float depth = toCamera.map(QVector3D()).z();
    for (const auto& visual : frame.visuals()) {
        switch (visual->visualKind()) {
            case scene::VisualKind::Mesh: {
                const auto& mesh = static_cast<const scene::Mesh&>(*visual);
                for (int g = 0; g < mesh.groupCount(); ++g) {
                    if (settings.blendedTransparency &&
                        groupTranslucent(mesh.group(g), settings.mipmapFiltering))
                        deferred.push_back({depth, visual.get(), g, toCamera});
                    else
                        drawMeshGroup(mesh, g, toCamera, settings);
                }
                break;
            }
            case scene::VisualKind::Texture:
                deferred.push_back({depth, visual.get(), -1, toCamera});
                break;
            case scene::VisualKind::UserVisual: {
                Sink sink(*this, toCamera);
                scene::UserVisualContext context{scene.viewport(), frame, sink};
                static_cast<const scene::UserVisual&>(*visual).render(context);
                break;
            }
        }
    }
    for (const auto& child : frame.children())
        drawFrame(*child, toCamera * ToGl(child->localTransform()), scene, settings, deferred);
}

bool GlSceneRenderer::render(const scene::Scene& scene, const RenderSettings& settings) {
    if (!initialised_ && !initialise()) return false;
    ++frames_;
    const scene::Viewport& viewport = scene.viewport();
    setProjection(viewport);
    glViewport(0, 0, width_, height_);
    if (vao_.isCreated()) vao_.bind();
    const scene::Transform cameraWorld = scene.camera()->worldTransform();
    const QMatrix4x4 worldToCamera = ToGl(cameraWorld.inverse());
    lights_.clear();
    collectLights(*scene.root(), worldToCamera, lights_);

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);  // the scene's front faces wind clockwise on screen
    glCullFace(GL_BACK);
    glDisable(GL_BLEND);
    if (core_) glEnable(GL_PROGRAM_POINT_SIZE);
    std::vector<Deferred> deferred;
    drawFrame(*scene.root(), worldToCamera * ToGl(scene.root()->localTransform()), scene, settings,
              deferred);

    // Translucent groups and decals last, farthest first, without writing depth.
    std::stable_sort(deferred.begin(), deferred.end(),
                     [](const Deferred& a, const Deferred& b) { return a.depth > b.depth; });
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    for (const Deferred& d : deferred) {
        if (d.group < 0) {
            glDisable(GL_CULL_FACE);
            drawDecal(static_cast<const scene::Texture&>(*d.visual), d.toCamera);
            glEnable(GL_CULL_FACE);
        } else {
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            drawMeshGroup(static_cast<const scene::Mesh&>(*d.visual), d.group, d.toCamera,
                          settings);
        }
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    if (vao_.isCreated()) vao_.release();
    evictUnused();
    return glGetError() == GL_NO_ERROR;
}

void GlSceneRenderer::evictUnused() {
    // Objects not drawn for a few seconds are gone or far away; their GPU copies go too.
    constexpr int kKeepFrames = 240;
    for (auto it = meshes_.begin(); it != meshes_.end();) {
        if (frames_ - it->second.lastUsed > kKeepFrames) {
            for (auto& g : it->second.groups) glDeleteBuffers(1, &g.vbo);
            it = meshes_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = textures_.begin(); it != textures_.end();) {
        if (frames_ - it->second.lastUsed > kKeepFrames) {
            glDeleteTextures(1, &it->second.id);
            it = textures_.erase(it);
        } else {
            ++it;
        }
    }
}
