#include "plugins/renderer_gl/SpriteProgram.h"

namespace {

const char kVertexSource[] = R"(#version 330 core
in vec2 aPosition;
in vec2 aTexCoord;
in vec4 aColor;
out vec2 vTexCoord;
out vec4 vColor;
void main() {
    vTexCoord = aTexCoord;
    vColor = aColor;
    gl_Position = vec4(aPosition, 0.0, 1.0);
}
)";

const char kFragmentSource[] = R"(#version 330 core
uniform sampler2D uTexture;
uniform float uAlphaCut;
uniform float uPremultiply;
in vec2 vTexCoord;
in vec4 vColor;
out vec4 fragColor;
void main() {
    vec4 c = texture(uTexture, vTexCoord) * vColor;
    if (c.a < uAlphaCut) discard;
    c.rgb *= mix(1.0, c.a, uPremultiply);
    fragColor = c;
}
)";

GLuint Compile(const GlApi& gl, GLenum type, const char* source, std::string* error) {
    GLuint shader = gl.CreateShader(type);
    if (!shader) {
        if (error) *error = "glCreateShader failed";
        return 0;
    }
    gl.ShaderSource(shader, 1, &source, nullptr);
    gl.CompileShader(shader);
    GLint ok = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[512] = {0};
        gl.GetShaderInfoLog(shader, sizeof(log) - 1, nullptr, log);
        if (error) *error = log;
        gl.DeleteShader(shader);
        return 0;
    }
    return shader;
}

}  // namespace

bool SpriteProgram::Create(const GlApi& gl, std::string* error) {
    GLuint vertex = Compile(gl, GL_VERTEX_SHADER, kVertexSource, error);
    if (!vertex) return false;
    GLuint fragment = Compile(gl, GL_FRAGMENT_SHADER, kFragmentSource, error);
    if (!fragment) {
        gl.DeleteShader(vertex);
        return false;
    }
    program = gl.CreateProgram();
    gl.AttachShader(program, vertex);
    gl.AttachShader(program, fragment);
    gl.BindAttribLocation(program, kPosition, "aPosition");
    gl.BindAttribLocation(program, kTexCoord, "aTexCoord");
    gl.BindAttribLocation(program, kColor, "aColor");
    gl.LinkProgram(program);
    gl.DeleteShader(vertex);
    gl.DeleteShader(fragment);
    GLint ok = GL_FALSE;
    gl.GetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[512] = {0};
        gl.GetProgramInfoLog(program, sizeof(log) - 1, nullptr, log);
        if (error) *error = log;
        Destroy(gl);
        return false;
    }
    alphaCut = gl.GetUniformLocation(program, "uAlphaCut");
    premultiply = gl.GetUniformLocation(program, "uPremultiply");
    gl.UseProgram(program);
    gl.Uniform1i(gl.GetUniformLocation(program, "uTexture"), 0);
    return true;
}

void SpriteProgram::Destroy(const GlApi& gl) {
    if (program) gl.DeleteProgram(program);
    program = 0;
    alphaCut = premultiply = -1;
}
