/*
 * abi_call(AbiCall*): calls a function the way a caller of the suite's
 * register convention does, and records what the callee left behind: EAX,
 * the stack pointer against the one before the arguments were pushed, the
 * callee-saved registers, the x87 stack and a floating-point result.
 * See abi_call.h for the layout of AbiCall.
 */
        .bss
        .p2align 2
call_ptr:  .long 0
call_fn:   .long 0
saved_esp: .long 0
r_eax:     .long 0

        .text
        .globl abi_call
        .type abi_call, @function
abi_call:
        pushl %ebp
        movl %esp, %ebp
        pushl %ebx
        pushl %esi
        pushl %edi
        movl 8(%ebp), %esi
        movl %esi, call_ptr
        movl 0(%esi), %eax
        movl %eax, call_fn
        fnstsw %ax
        movw %ax, 44(%esi)
        movl %esp, saved_esp
        /* the stack arguments, stack[0] pushed first */
        movl 16(%esi), %ecx
        movl 20(%esi), %edx
        xorl %eax, %eax
1:      cmpl %ecx, %eax
        jae 2f
        pushl (%edx,%eax,4)
        incl %eax
        jmp 1b
2:      movl 4(%esi), %eax
        movl 8(%esi), %edx
        movl 12(%esi), %ecx
        movl $0x11111111, %ebx
        movl $0x22222222, %esi
        movl $0x33333333, %edi
        movl $0x44444444, %ebp
        call *call_fn
        movl %eax, r_eax
        xorl %eax, %eax
        cmpl $0x11111111, %ebx
        je 3f
        orl $1, %eax
3:      cmpl $0x22222222, %esi
        je 4f
        orl $2, %eax
4:      cmpl $0x33333333, %edi
        je 5f
        orl $4, %eax
5:      cmpl $0x44444444, %ebp
        je 6f
        orl $8, %eax
6:      movl call_ptr, %esi
        movl %eax, 36(%esi)
        movl %esp, %eax
        subl saved_esp, %eax
        movl %eax, 32(%esi)
        movl r_eax, %eax
        movl %eax, 28(%esi)
        movl saved_esp, %esp
        cmpl $0, 24(%esi)
        je 7f
        fstpl 48(%esi)
7:      fnstsw %ax
        movw %ax, 46(%esi)
        popl %edi
        popl %esi
        popl %ebx
        popl %ebp
        ret

        .section .note.GNU-stack,"",@progbits
