#pragma once

#include <QImage>
#include <QMatrix4x4>
#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>
#include <memory>
#include <unordered_map>
#include <vector>

#include "scene/Scene.h"

// Render settings of the device: the most detailed quality it draws, whether blended
// transparency is on and whether textures are filtered through their mipmaps.
struct RenderSettings {
    std::uint32_t quality = scene::Quality::GouraudLit;
    bool blendedTransparency = true;
    bool mipmapFiltering = false;
};

// Draws a scene graph with OpenGL (3.3 core, or 2.1) into the bound framebuffer, seen from
// the scene's camera through its viewport. Needs a current context for every call; owns the
// GPU copies of meshes and textures and drops those of objects that are gone.
class GlSceneRenderer : protected QOpenGLFunctions {
  public:
    GlSceneRenderer();
    ~GlSceneRenderer();

    // False when the shaders cannot be built; error() tells why.
    bool initialise();
    const QString& error() const { return error_; }
    bool coreProfile() const { return core_; }

    // Clears colour and depth; false (with error()) when the context refuses.
    bool clear();
    // Lays a picture of the framebuffer's size (premultiplied ARGB, top row first) over what is
    // there without touching depth, so that everything rendered afterwards covers it: the
    // star field drawn as a picture stays behind the bodies.
    void drawBackground(const QImage& picture);
    // Draws everything under the scene root. The viewport's size is the framebuffer's.
    bool render(const scene::Scene& scene, const RenderSettings& settings);
    // Releases every GPU object; the context must be current.
    void releaseResources();

    int framesDrawn() const { return frames_; }

  private:
    struct GpuGroup {
        GLuint vbo = 0;
        int vertexCount = 0;
    };
    struct GpuMesh {
        std::uint64_t revision = 0;
        std::vector<GpuGroup> groups;
        int lastUsed = 0;
    };
    struct GpuTexture {
        GLuint id = 0;
        bool mipmaps = false;
        bool translucent = false;
        int lastUsed = 0;
    };
    struct Light {
        scene::LightType type;
        QVector3D colour;
        QVector3D cameraPosition;
    };
    struct Deferred;
    class Sink;

    bool buildPrograms();
    void collectLights(const scene::Frame& frame, const QMatrix4x4& worldToCamera,
                       std::vector<Light>& out);
    void drawFrame(const scene::Frame& frame, const QMatrix4x4& toCamera, const scene::Scene& scene,
                   const RenderSettings& settings, std::vector<Deferred>& deferred);
    void drawMeshGroup(const scene::Mesh& mesh, int group, const QMatrix4x4& toCamera,
                       const RenderSettings& settings);
    void drawDecal(const scene::Texture& texture, const QMatrix4x4& toCamera);
    GpuMesh& meshFor(const scene::Mesh& mesh);
    GpuTexture& textureFor(const scene::Texture& texture, bool mipmapFiltering);
    void evictUnused();
    void setProjection(const scene::Viewport& viewport);
    bool groupTranslucent(const scene::Mesh::Group& g, bool mipmapFiltering);
    // Points the mesh program's attributes at the bound buffer of vertices (or lets them go).
    void BindVertexAttributes(bool on);

    QOpenGLShaderProgram meshProgram_, flatProgram_, screenProgram_;
    QOpenGLVertexArrayObject vao_;
    GLuint scratch_ = 0;  // streamed vertices: decals and user visuals
    GLuint background_ = 0;
    QSize backgroundSize_;
    std::unordered_map<std::uint64_t, GpuMesh> meshes_;
    std::unordered_map<std::uint64_t, GpuTexture> textures_;
    std::vector<Light> lights_;
    QMatrix4x4 projection_;
    float depthCoefficient_ = 1.0f;
    int width_ = 1, height_ = 1;
    int frames_ = 0;
    bool core_ = false;
    bool initialised_ = false;
    QString error_;
};

// The transform that takes points in a frame's axes to the camera's axes, as a GL matrix.
QMatrix4x4 ToGl(const scene::Transform& t);
