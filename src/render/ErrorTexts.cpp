#include "render/ErrorTexts.h"

#include <QHash>

#include "core/Prompter.h"
#include "core/Text.h"

namespace {
struct CodeText {
    std::uint32_t code;
    const char* text;
};

// The platform result codes and our own renderer's failure codes with their texts.
constexpr CodeText kTexts[] = {
    {0x00000000, "No error."},
    {0x80004001, "Action not supported."},
    {0x80004002, "The specified interface is not supported by the object"},
    {0x80004005, "Generic failure."},
    {0x80040110, "This object does not support aggregation"},
    {0x80040154, "Class not registered"},
    {0x80040200,
     "Unable to IDirectInputJoyConfig_Acquire because the user does not have sufficient privileges "
     "to change the joystick configuration."},
    {0x80040201, "The device is full."},
    {0x80040202, "Not all the requested information fit into the buffer."},
    {0x80040203, "The effect is not downloaded."},
    {0x80040204,
     "The device cannot be reinitialized because there are still effects attached to it."},
    {0x80040205,
     "The operation cannot be performed unless the device is acquired in DISCL_EXCLUSIVE mode."},
    {0x80040206,
     "The effect could not be downloaded because essential information is missing.  For example, "
     "no axes have been associated with the effect, or no type-specific information has been "
     "created."},
    {0x80040207, "Attempted to read buffered device data from a device that is not buffered."},
    {0x80040208,
     "An attempt was made to modify parameters of an effect while it is playing.  Not all hardware "
     "devices support altering the parameters of an effect while it is playing."},
    {0x80040209, "The operation could not be completed because the device is not plugged in."},
    {0x8004020A,
     "SendDeviceData failed because more information was requested to be sent than can be sent to "
     "the device.  Some devices have restrictions on how much data can be sent to them.  (For "
     "example, there might be a limit on the number of buttons that can be pressed at once.)"},
    {0x80070002, "The requested object does not exist."},
    {0x80070005, "Another app has a higher priority level, preventing this call from succeeding."},
    {0x8007000C, "The operation cannot be performed unless the device is acquired."},
    {0x8007000E, "DirectDraw does not have enough memory to perform the operation."},
    {0x80070015, "This object has not been initialized"},
    {0x8007001E, "Access to the device has been lost.  It must be re-acquired."},
    {0x80070057,
     "An invalid parameter was passed to the returning function, or the object was not in a state "
     "that admitted the function to be called."},
    {0x80070077,
     "The object could not be created due to an incompatible driver version or mismatched or "
     "incomplete driver components."},
    {0x800700AA, "The operation cannot be performed while the device is acquired."},
    {0x8007047E, "The application requires a newer version of DirectInput."},
    {0x80070481,
     "The application was written for an unsupported prerelease version of DirectInput."},
    {0x800704DF, "This object is already initialized"},
    {0x88760005, "This object is already initialized."},
    {0x8876000A, "This surface can not be attached to the requested surface."},
    {0x88760014, "This surface can not be detached from the requested surface."},
    {0x88760028, "Support is currently not available."},
    {0x88760037, "An exception was encountered while performing the requested operation."},
    {0x8876005A, "Height of rectangle provided is not a multiple of reqd alignment."},
    {0x8876005F, "Unable to match primary surface creation request with existing primary surface."},
    {0x88760064, "One or more of the caps bits passed to the callback are incorrect."},
    {0x8876006E, "DirectDraw does not support the provided cliplist."},
    {0x88760078, "DirectDraw does not support the requested mode."},
    {0x88760082, "DirectDraw received a pointer that was an invalid DIRECTDRAW object."},
    {0x88760091, "The pixel format was invalid as specified."},
    {0x88760096, "Rectangle provided was invalid."},
    {0x887600A0, "Operation could not be carried out because one or more surfaces are locked."},
    {0x887600AA, "There is no 3D present."},
    {0x887600B4,
     "Operation could not be carried out because there is no alpha accleration hardware present or "
     "available."},
    {0x887600CD, "No cliplist available."},
    {0x887600D2,
     "Operation could not be carried out because there is no color conversion hardware present or "
     "available."},
    {0x887600D4,
     "Create function called without DirectDraw object method SetCooperativeLevel being called."},
    {0x887600D7, "Surface doesn't currently have a color key"},
    {0x887600DC,
     "Operation could not be carried out because there is no hardware support of the destination "
     "color key."},
    {0x887600E1,
     "Operation requires the application to have exclusive mode but the application does not have "
     "exclusive mode."},
    {0x887600E6, "Flipping visible surfaces is not supported."},
    {0x887600F0, "There is no GDI present."},
    {0x887600FA,
     "Operation could not be carried out because there is no hardware present or available."},
    {0x88760104,
     "Operation could not be carried out because there is no overlay hardware present or "
     "available."},
    {0x88760118,
     "Operation could not be carried out because there is no appropriate raster op hardware "
     "present or available."},
    {0x88760122,
     "Operation could not be carried out because there is no rotation hardware present or "
     "available."},
    {0x88760136,
     "Operation could not be carried out because there is no hardware support for stretching."},
    {0x8876013C,
     "DirectDrawSurface is not in 4 bit color palette and the requested operation requires 4 bit "
     "color palette."},
    {0x8876013D,
     "DirectDrawSurface is not in 4 bit color index palette and the requested operation requires 4 "
     "bit color index palette."},
    {0x88760140,
     "DirectDrawSurface is not in 8 bit color mode and the requested operation requires 8 bit "
     "color."},
    {0x8876014A,
     "Operation could not be carried out because there is no texture mapping hardware present or "
     "available."},
    {0x8876014F,
     "Operation could not be carried out because there is no hardware support for vertical blank "
     "synchronized operations."},
    {0x88760154,
     "Operation could not be carried out because there is no hardware support for zbuffer "
     "blitting."},
    {0x8876015E,
     "Overlay surfaces could not be z layered based on their BltOrder because the hardware does "
     "not support z layering of overlays."},
    {0x88760168, "The hardware needed for the requested operation has already been allocated."},
    {0x8876017C, "DirectDraw does not have enough memory to perform the operation."},
    {0x8876017E, "The hardware does not support clipped overlays."},
    {0x88760180, "Can only have ony color key active at one time for overlays."},
    {0x88760183,
     "Access to this palette is being refused because the palette is already locked by another "
     "thread."},
    {0x88760190, "No src color key specified for this operation."},
    {0x8876019A, "This surface is already attached to the surface it is being attached to."},
    {0x887601A4,
     "This surface is already a dependency of the surface it is being made a dependency of."},
    {0x887601AE,
     "Access to this surface is being refused because the surface is already locked by another "
     "thread."},
    {0x887601B8, "Access to surface refused because the surface is obscured."},
    {0x887601C2,
     "Access to this surface is being refused because the surface memory is gone. The "
     "DirectDrawSurface object representing this surface should have Restore called on it."},
    {0x887601CC, "The requested surface is not attached."},
    {0x887601D6, "Height requested by DirectDraw is too large."},
    {0x887601E0,
     "Size requested by DirectDraw is too large, but the individual height and width are OK."},
    {0x887601EA, "Width requested by DirectDraw is too large."},
    {0x887601FE, "FOURCC format requested is unsupported by DirectDraw."},
    {0x88760208, "Bitmask in the pixel format requested is unsupported by DirectDraw."},
    {0x88760219, "Vertical blank is in progress."},
    {0x8876021C,
     "Informs DirectDraw that the previous Blt which is transfering information to or from this "
     "Surface is incomplete."},
    {0x88760230, "Rectangle provided was not horizontally aligned on required boundary."},
    {0x88760231,
     "The GUID passed to DirectDrawCreate is not a valid DirectDraw driver identifier."},
    {0x88760232,
     "A DirectDraw object representing this driver has already been created for this process."},
    {0x88760233,
     "A hardware-only DirectDraw object creation was attempted but the driver did not support any "
     "hardware."},
    {0x88760234, "This process already has created a primary surface."},
    {0x88760235, "Software emulation not available."},
    {0x88760236, "Region passed to Clipper::GetClipList is too small."},
    {0x88760237,
     "An attempt was made to set a cliplist for a clipper object that is already monitoring an "
     "hwnd."},
    {0x88760238, "No clipper object attached to surface object."},
    {0x88760239,
     "Clipper notification requires an HWND or no HWND has previously been set as the "
     "CooperativeLevel HWND."},
    {0x8876023A,
     "HWND used by DirectDraw CooperativeLevel has been subclassed, this prevents DirectDraw from "
     "restoring state."},
    {0x8876023B,
     "The CooperativeLevel HWND has already been set. It can not be reset while the process has "
     "surfaces or palettes created."},
    {0x8876023C, "No palette object attached to this surface."},
    {0x8876023D, "No hardware support for 16 or 256 color palettes."},
    {0x8876023E,
     "Return if a clipper object is attached to the source surface passed into a BltFast call."},
    {0x8876023F, "No blitter hardware present."},
    {0x88760240, "No DirectDraw ROP hardware."},
    {0x88760241, "Returned when GetOverlayPosition is called on a hidden overlay."},
    {0x88760242,
     "Returned when GetOverlayPosition is called on an overlay that UpdateOverlay has never been "
     "called on to establish a destination."},
    {0x88760243,
     "Returned when the position of the overlay on the destination is no longer legal for that "
     "destination."},
    {0x88760244, "Returned when an overlay member is called for a non-overlay surface."},
    {0x88760245,
     "An attempt was made to set the cooperative level when it was already set to exclusive."},
    {0x88760246, "An attempt has been made to flip a surface that is not flippable."},
    {0x88760247, "Can't duplicate primary & 3D surfaces, or surfaces that are implicitly created."},
    {0x88760248,
     "Surface was not locked.  An attempt to unlock a surface that was not locked at all, or by "
     "this process, has been attempted."},
    {0x88760249, "Windows can not create any more DCs."},
    {0x8876024A, "No DC was ever created for this surface."},
    {0x8876024B, "This surface can not be restored because it was created in a different mode."},
    {0x8876024C, "This surface can not be restored because it is an implicitly created surface."},
    {0x8876024D, "The surface being used is not a palette-based surface."},
    {0x887602BC, "D3DERR_BADMAJORVERSION"},
    {0x887602BD, "D3DERR_BADMINORVERSION"},
    {0x887602C6, "D3DERR_EXECUTE_CREATE_FAILED"},
    {0x887602C7, "D3DERR_EXECUTE_DESTROY_FAILED"},
    {0x887602C8, "D3DERR_EXECUTE_LOCK_FAILED"},
    {0x887602C9, "D3DERR_EXECUTE_UNLOCK_FAILED"},
    {0x887602CA, "D3DERR_EXECUTE_LOCKED"},
    {0x887602CB, "D3DERR_EXECUTE_NOT_LOCKED"},
    {0x887602CC, "D3DERR_EXECUTE_FAILED"},
    {0x887602CD, "D3DERR_EXECUTE_CLIPPED_FAILED"},
    {0x887602D0, "D3DERR_TEXTURE_NO_SUPPORT"},
    {0x887602D1, "D3DERR_TEXTURE_CREATE_FAILED"},
    {0x887602D2, "D3DERR_TEXTURE_DESTROY_FAILED"},
    {0x887602D3, "D3DERR_TEXTURE_LOCK_FAILED"},
    {0x887602D4, "D3DERR_TEXTURE_UNLOCK_FAILED"},
    {0x887602D5, "D3DERR_TEXTURE_LOAD_FAILED"},
    {0x887602D7, "D3DERR_TEXTURELOCKED"},
    {0x887602D8, "D3DERR_TEXTURE_NOT_LOCKED"},
    {0x887602DA, "D3DERR_MATRIX_CREATE_FAILED"},
    {0x887602DB, "D3DERR_MATRIX_DESTROY_FAILED"},
    {0x887602DC, "D3DERR_MATRIX_SETDATA_FAILED"},
    {0x887602DE, "D3DERR_SETVIEWPORTDATA_FAILED"},
    {0x887602E4, "D3DERR_MATERIAL_CREATE_FAILED"},
    {0x887602E5, "D3DERR_MATERIAL_DESTROY_FAILED"},
    {0x887602E6, "D3DERR_MATERIAL_SETDATA_FAILED"},
    {0x887602EE, "D3DERR_LIGHT_SET_FAILED"},
    {0x8876030D, "D3DRMERR_BADOBJECT"},
    {0x8876030E, "D3DRMERR_BADTYPE"},
    {0x8876030F, "D3DRMERR_BADALLOC"},
    {0x88760310, "D3DRMERR_FACEUSED"},
    {0x88760311, "D3DRMERR_NOTFOUND"},
    {0x88760312, "D3DRMERR_NOTDONEYET"},
    {0x88760313, "The file was not found."},
    {0x88760314, "D3DRMERR_BADFILE"},
    {0x88760315, "D3DRMERR_BADDEVICE"},
    {0x88760316, "D3DRMERR_BADVALUE"},
    {0x88760317, "D3DRMERR_BADMAJORVERSION"},
    {0x88760318, "D3DRMERR_BADMINORVERSION"},
    {0x88760319, "D3DRMERR_UNABLETOEXECUTE"},
    // OpenGL's error codes.
    {0x00000500, "GL_INVALID_ENUM: an enumerated argument was out of range."},
    {0x00000501, "GL_INVALID_VALUE: a numeric argument was out of range."},
    {0x00000502, "GL_INVALID_OPERATION: the operation is not allowed in the current state."},
    {0x00000503, "GL_STACK_OVERFLOW: the operation would overflow a stack."},
    {0x00000504, "GL_STACK_UNDERFLOW: the operation would underflow a stack."},
    {0x00000505, "GL_OUT_OF_MEMORY: there is not enough memory left to execute the operation."},
    {0x00000506, "GL_INVALID_FRAMEBUFFER_OPERATION: the framebuffer object is not complete."},
    // The renderer's own failures.
    {RenderError::NoContext, "The OpenGL context could not be created."},
    {RenderError::OldVersion, "The OpenGL version is too old: version 2.1 or later is needed."},
    {RenderError::NoDriver, "No 3D driver is selected."},
    {RenderError::ShaderFailed, "The OpenGL shaders could not be compiled or linked."},
    {RenderError::NoFramebuffer, "The OpenGL framebuffer could not be created."},
    {RenderError::NotCurrent, "The OpenGL context could not be made current."},
    {RenderError::NoTarget, "There is no render target to draw on."},
    {RenderError::BadImage, "The picture could not be read."},
};

}  // namespace

QString PlatformErrorText(std::uint32_t code) {
    static const QHash<std::uint32_t, const char*> table = [] {
        QHash<std::uint32_t, const char*> t;
        for (const CodeText& c : kTexts) t.insert(c.code, c.text);
        return t;
    }();
    const auto it = table.constFind(code);
    return it == table.constEnd() ? QStringLiteral("Unrecognized error value.")
                                  : QString::fromUtf8(*it);
}

void ReportPlatformError(std::uint32_t code, const QString& message) {
    const QString text = FormatText("Error: %s\n%s", qUtf8Printable(PlatformErrorText(code)),
                                    message.isNull() ? "OpenGL Error" : qUtf8Printable(message));
    ShowInfo(text, QStringLiteral("Error"));
}
