#pragma once
// The OpenGL 3.3 core entry points the renderer uses, fetched from the
// current context. One table per renderer object; nothing global.
#include <GL/glcorearb.h>

#define KRELLIN_GL_FUNCTIONS(X)                                             \
    X(PFNGLGETSTRINGPROC, GetString)                                        \
    X(PFNGLGETERRORPROC, GetError)                                          \
    X(PFNGLVIEWPORTPROC, Viewport)                                          \
    X(PFNGLSCISSORPROC, Scissor)                                            \
    X(PFNGLENABLEPROC, Enable)                                              \
    X(PFNGLDISABLEPROC, Disable)                                            \
    X(PFNGLCLEARCOLORPROC, ClearColor)                                      \
    X(PFNGLCLEARPROC, Clear)                                                \
    X(PFNGLBLENDFUNCPROC, BlendFunc)                                        \
    X(PFNGLGENTEXTURESPROC, GenTextures)                                    \
    X(PFNGLDELETETEXTURESPROC, DeleteTextures)                              \
    X(PFNGLBINDTEXTUREPROC, BindTexture)                                    \
    X(PFNGLACTIVETEXTUREPROC, ActiveTexture)                                \
    X(PFNGLTEXIMAGE2DPROC, TexImage2D)                                      \
    X(PFNGLTEXPARAMETERIPROC, TexParameteri)                                \
    X(PFNGLPIXELSTOREIPROC, PixelStorei)                                    \
    X(PFNGLGENERATEMIPMAPPROC, GenerateMipmap)                              \
    X(PFNGLREADBUFFERPROC, ReadBuffer)                                      \
    X(PFNGLREADPIXELSPROC, ReadPixels)                                      \
    X(PFNGLCREATESHADERPROC, CreateShader)                                  \
    X(PFNGLSHADERSOURCEPROC, ShaderSource)                                  \
    X(PFNGLCOMPILESHADERPROC, CompileShader)                                \
    X(PFNGLGETSHADERIVPROC, GetShaderiv)                                    \
    X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog)                          \
    X(PFNGLDELETESHADERPROC, DeleteShader)                                  \
    X(PFNGLCREATEPROGRAMPROC, CreateProgram)                                \
    X(PFNGLATTACHSHADERPROC, AttachShader)                                  \
    X(PFNGLBINDATTRIBLOCATIONPROC, BindAttribLocation)                      \
    X(PFNGLLINKPROGRAMPROC, LinkProgram)                                    \
    X(PFNGLGETPROGRAMIVPROC, GetProgramiv)                                  \
    X(PFNGLGETPROGRAMINFOLOGPROC, GetProgramInfoLog)                        \
    X(PFNGLDELETEPROGRAMPROC, DeleteProgram)                                \
    X(PFNGLUSEPROGRAMPROC, UseProgram)                                      \
    X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation)                      \
    X(PFNGLUNIFORM1IPROC, Uniform1i)                                        \
    X(PFNGLUNIFORM1FPROC, Uniform1f)                                        \
    X(PFNGLGENVERTEXARRAYSPROC, GenVertexArrays)                            \
    X(PFNGLBINDVERTEXARRAYPROC, BindVertexArray)                            \
    X(PFNGLDELETEVERTEXARRAYSPROC, DeleteVertexArrays)                      \
    X(PFNGLGENBUFFERSPROC, GenBuffers)                                      \
    X(PFNGLBINDBUFFERPROC, BindBuffer)                                      \
    X(PFNGLBUFFERDATAPROC, BufferData)                                      \
    X(PFNGLBUFFERSUBDATAPROC, BufferSubData)                                \
    X(PFNGLDELETEBUFFERSPROC, DeleteBuffers)                                \
    X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer)                    \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray)            \
    X(PFNGLDRAWARRAYSPROC, DrawArrays)                                      \
    X(PFNGLFENCESYNCPROC, FenceSync)                                        \
    X(PFNGLCLIENTWAITSYNCPROC, ClientWaitSync)                              \
    X(PFNGLDELETESYNCPROC, DeleteSync)

struct GlApi {
#define KRELLIN_GL_DECLARE(type, name) type name = nullptr;
    KRELLIN_GL_FUNCTIONS(KRELLIN_GL_DECLARE)
#undef KRELLIN_GL_DECLARE

    // Fills the table from the current context. On failure names the first
    // missing function in *missing and leaves the table unusable.
    bool Load(const char** missing);
};
